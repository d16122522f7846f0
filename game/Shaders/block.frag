#version 130
#extension GL_ARB_texture_gather : enable
// Every 3D draw of the game. `mode` picks the look:
// 0 lit world, 1 vask, 2 beams, 3 lines, 4 template ghost, 5 unlit (backdrop,
// entities), 6 world box / shield bubble, 7 singularity lens, 8 sun, 9 ship.
//
// Software GL runs every look for every pixel, so the looks share their work:
// one texture fetch, one shadow lookup, one face normal, one wave pattern, two
// smoothstep ramps and one fog mix serve them all; all that
// varies slowly, is linear over a face or is the same for the whole draw comes
// from the vertex shader. Apart from the lit world and the ship, every look's
// colour is texture * gain + tint1 * s1 + tint2 * s2, with the tints per draw
// and the three factors per pixel. Colours above 1 need no clamp where the
// look is not fogged: the 8-bit colour buffers clamp them before blending.
//
// Nothing is discarded here: the game's alpha test drops the see-through
// pixels (alpha below 0.02) of every draw but the opaque world's. A discard
// anywhere in the program would make software GL shade each pixel of the
// opaque world before its depth test could write.
in vec2 tex;
in vec3 worldPos;
in vec3 sunDir;
in vec3 shadowCoord;
in float nDotL;
in float daylight;
in float skyLight;
in float highlight;
in float vaskGlow;
in float pulse;
in float fog;
in vec3 pattern;
in vec4 lensShape;
in vec2 lensBend;
in vec4 ramps;
in vec3 tint1;
in vec3 tint2;

uniform sampler2D Sampler;
uniform sampler2D shadowMap;
uniform ivec2 shadowBuff;
uniform float time;
uniform float depth;
uniform vec3 playerPos;
uniform int mode;

out vec4 fragColor;

// Matches the clear colour, so fogged geometry melts into the sky.
const vec3 SKY = vec3(0.5, 0.5, 1.0);
const vec3 NIGHT_SKY_LIGHT = vec3(0.13, 0.13, 0.24);
const vec3 DAY_SKY_LIGHT = vec3(0.40, 0.40, 0.50);
const vec3 VASK = vec3(0.62, 0.12, 0.85);
const vec3 SUNLIGHT = vec3(1.0, 0.95, 0.84);

// Fraction of the sun reaching this point: 2x2 PCF over the shadow map.
float sunVisibility(float ndl) {
    vec3 sc = shadowCoord;
    if (sc.x <= 0.0 || sc.x >= 1.0 || sc.y <= 0.0 || sc.y >= 1.0 || sc.z >= 1.0) return 1.0;
    float ref = sc.z - 0.00004 - 0.00012 * sqrt(max(1.0 - ndl * ndl, 0.0)) / max(ndl, 0.2);
#ifdef GL_ARB_texture_gather
    // The four nearest taps half a texel around the point read exactly the
    // 2x2 texels one gather fetches.
    vec4 occ = textureGather(shadowMap, sc.xy);
#else
    vec2 h = 0.5 / vec2(shadowBuff);
    vec4 occ = vec4(textureLod(shadowMap, sc.xy + vec2(-h.x, -h.y), 0.0).r,
                    textureLod(shadowMap, sc.xy + vec2(h.x, -h.y), 0.0).r,
                    textureLod(shadowMap, sc.xy + vec2(-h.x, h.y), 0.0).r,
                    textureLod(shadowMap, sc.xy + vec2(h.x, h.y), 0.0).r);
#endif
    return dot(step(vec4(ref), occ), vec4(0.25));
}

// smoothstep with its start and the reciprocal of its length given.
float ramp(float x, float start, float scale) {
    float t = clamp((x - start) * scale, 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

void main() {
    // The singularity: the scene behind it, bent around a dark core like a
    // gravitational lens. lensShape: radius (1 = the quad's half width), ring,
    // core size, pull (0 to 1 as it charges); lensBend.y is the extra twist.
    vec2 d = tex - 0.5;
    float r = length(d) * 2.0;
    float rr = max(r, 0.0001);
    float radius = lensShape.x;
    float source = clamp(rr - lensBend.x / rr, -radius, radius);
    float inner = 1.0 - min(rr / radius, 1.0);
    float a = lensBend.y * inner * inner;
    // Small-angle rotation: the twist stays well under a radian.
    float s = a - a * a * a / 6.0, c = 1.0 - a * a / 2.0;
    vec2 dir = d / (0.5 * rr);
    dir = vec2(dir.x * c - dir.y * s, dir.x * s + dir.y * c);
    vec2 lensUv = clamp(0.5 + dir * source * 0.5, 0.002, 0.998);
    vec4 base = textureLod(Sampler, mode == 7 ? lensUv : tex, 0.0);

    // Flat normal of the drawn triangle, for meshes that carry none; faces the viewer.
    vec3 toPlayer = playerPos - worldPos;
    vec3 dx = dFdx(worldPos), dy = dFdy(worldPos);
    vec3 n = cross(dx, dy);
    float nn = dot(n, n);
    n = nn < 1e-12 ? sunDir : n * (inversesqrt(nn) * (dot(n, toPlayer) < 0.0 ? -1.0 : 1.0));
    vec3 toEye = normalize(toPlayer);

    bool ship = mode == 9;
    float ndl = ship ? max(dot(n, sunDir), 0.0) : nDotL;
    float vis = ndl > 0.0 ? sunVisibility(ndl) : 0.0;

    // The lit world and the ship's polished hull.
    vec3 halfway = sunDir + toEye;  // zero only with the sun straight behind the eye's target
    float sp = max(dot(n, halfway), 0.0) * inversesqrt(max(dot(halfway, halfway), 1e-6));
    sp *= sp; sp *= sp; sp *= sp; sp *= sp; sp *= sp;  // a tight highlight: s^32
    vec3 albedo = ship ? base.rgb * vec3(0.85, 0.9, 1.0) : base.rgb;
    vec3 ambient = mix(NIGHT_SKY_LIGHT, DAY_SKY_LIGHT, daylight) * (ship ? 0.85 + 0.15 * n.y : skyLight);
    vec3 lit = albedo * (ambient + SUNLIGHT * daylight * ndl * vis * 0.8) +
               SUNLIGHT * (ship ? 0.9 * sp * daylight : highlight) * vis;
    lit += (base.rgb * VASK * 1.5 + VASK * 0.45) * vaskGlow;
    // A cool sheen toward grazing angles reads as polished hull plating.
    float f = 1.0 - max(dot(n, toEye), 0.0);
    lit = mix(lit, SKY * daylight + vec3(0.05), ship ? f * f * f * 0.35 : 0.0);

    // The waves of the vask, the template ghost and the shield, and the world box's grid.
    // A zero argument gives a wave of 1, so unused ones drop out of the product.
    float vt = time * 0.003;
    vec3 veinArgs = vec3(worldPos.x * 0.9 + worldPos.y * 0.6 + vt, worldPos.z * 0.8 - worldPos.y * 0.4 - vt * 0.8, 0.0);
    vec3 q = abs(fract(mode == 1 ? veinArgs : pattern) - 0.5);
    vec3 tw = q * 4.0 - 1.0;  // triangle waves: a cheap stand-in for sin()
    float w = tw.x * tw.y * tw.z;
    float band = ramp(mode == 7 ? r : mode == 6 ? abs(w) : w, ramps.x, ramps.y);
    float edge = 1.0 - ramp(r, ramps.z, ramps.w);

    // Vask: the lit mineral under a throbbing glow, with veins.
    float glow = (0.7 + 0.45 * pulse) * (0.65 + 0.35 * nDotL * daylight);
    float scan = 0.5 + 0.5 * w;
    // Shield bubble: bright cyan energy, strongest at grazing angles, with running waves.
    float facing = abs(dot(n, toEye));
    float rim = (1.0 - facing) * (1.0 - facing);
    // The world's boundary: a faint pane with lines on every sector border.
    vec3 width = max((abs(dx) + abs(dy)) * 1.5, vec3(0.06));
    vec3 onLine = (1.0 - smoothstep(width * 0.5, width, q * 10.0)) * (1.0 - abs(n));
    float line = max(onLine.x, max(onLine.y, onLine.z));
    float shimmer = 0.8 + 0.2 * (abs(fract(time * 0.005 + worldPos.y * 0.03) - 0.5) * 4.0 - 1.0);
    // The lens's bright ring.
    float x = clamp((r - max(lensShape.y, lensShape.z * 1.3)) / 0.08, -1.0, 1.0);
    x = 1.0 - x * x;

    bool bubble = depth < -0.5;
    float gain = mode == 1 ? 0.5 * glow : mode == 2 ? 1.45 + 0.3 * pulse : mode == 4 ? 0.45 : mode == 7 ? band
            : mode == 8 ? 1.25 : mode == 3 || mode == 6 ? 0.0 : 1.0;
    float s1 = mode == 1 ? 0.5 * glow + 0.15 * pulse + 0.7 * band : 1.0;
    float s2 = mode == 1 ? 0.25 * band : mode == 4 ? scan : mode == 6 ? 0.7 + 0.6 * rim + 0.5 * band
             : mode == 7 ? x * x : 1.0 - r;
    vec3 col = mode == 9 || (mode == 0 && nDotL >= 0.0) ? lit : base.rgb * gain + tint1 * s1 + tint2 * s2;
    float alpha = mode == 1 ? 0.7 + 0.1 * pulse : mode == 2 ? base.a * 0.9 : mode == 4 ? 0.4 + 0.15 * scan
                : mode == 6 ? (bubble ? clamp(0.14 + 0.55 * rim + 0.25 * band, 0.0, 0.85) : (0.06 + 0.3 * line) * shimmer)
                : mode == 7 ? edge : mode == 8 ? base.a * edge : mode == 3 || mode == 9 ? 1.0 : base.a;
    fragColor = vec4(mix(col, SKY, fog), alpha);
}
