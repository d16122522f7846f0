#version 130
#extension GL_ARB_texture_gather : enable
// Every 3D draw of the game. `mode` picks the look:
// 0 lit world, 1 vask, 2 beams, 3 lines, 4 template ghost, 5 unlit (backdrop,
// entities), 6 world box / shield bubble, 7 singularity lens, 8 sun, 9 ship.
//
// Software GL runs every branch for every pixel, so the costly parts (the
// texture fetch, the shadow lookup) happen once for all modes, the patterns
// use triangle waves instead of trigonometry, and all that varies slowly
// comes from the vertex shader.
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
in vec2 swirl;
in float fog;

uniform sampler2D Sampler;
uniform sampler2D shadowMap;
uniform vec4 dort;
uniform ivec2 resolution;
uniform ivec2 shadowBuff;
uniform float time;
uniform float depth;
uniform vec3 playerPos;
uniform int mode;
uniform vec3 uColor;

out vec4 fragColor;

// Matches the clear colour, so fogged geometry melts into the sky.
const vec3 SKY = vec3(0.5, 0.5, 1.0);
const vec3 NIGHT_SKY_LIGHT = vec3(0.13, 0.13, 0.24);
const vec3 DAY_SKY_LIGHT = vec3(0.40, 0.40, 0.50);
const vec3 VASK = vec3(0.62, 0.12, 0.85);
const vec3 SUNLIGHT = vec3(1.0, 0.95, 0.84);

// A cheap stand-in for sin(): -1..1, period 1.
float tri(float x) { return abs(fract(x) - 0.5) * 4.0 - 1.0; }

// Fraction of the sun reaching this point: 2x2 PCF over the shadow map.
float sunVisibility(float ndl) {
    vec3 sc = shadowCoord;
    if (shadowBuff.x <= 0 || shadowBuff.y <= 0) return 1.0;
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

// The singularity: the scene behind it, bent around a dark core like a
// gravitational lens. dort: x lens radius (1 = the quad's half width),
// y pull (0 to -1 as it charges), z extra twist, w core size (0 to -1.5).
// Returns the texture coordinate to look up; `shape` gets (radius, ring, core, pull).
vec2 lensLookup(out vec4 shape) {
    vec2 d = tex - 0.5;
    float r = max(length(d) * 2.0, 0.0001);
    float radius = max(dort.x, 0.05);
    float pull = clamp(-dort.y, 0.0, 2.0);
    float ring = 0.3 * radius * pull;
    float source = clamp(r - ring * ring / r, -radius, radius);
    float inner = 1.0 - min(r / radius, 1.0);
    float a = (dort.z + 0.6 * pull) * inner * inner;
    // Small-angle rotation: the twist stays well under a radian.
    float s = a - a * a * a / 6.0, c = 1.0 - a * a / 2.0;
    vec2 dir = d / (0.5 * r);
    dir = vec2(dir.x * c - dir.y * s, dir.x * s + dir.y * c);
    shape = vec4(radius, ring, clamp(-dort.w, 0.0, 3.0) * 0.1 * radius, pull);
    return clamp(0.5 + dir * source * 0.5, 0.002, 0.998);
}

// Flat normal of the drawn triangle, for meshes that carry none; faces the viewer.
vec3 faceNormal() {
    vec3 n = cross(dFdx(worldPos), dFdy(worldPos));
    if (dot(n, n) < 1e-12) return sunDir;
    n = normalize(n);
    return dot(n, playerPos - worldPos) < 0.0 ? -n : n;
}

vec4 litWorld(vec4 base, float vis) {
    if (base.a < 0.02) discard;
    if (nDotL < 0.0) return base;  // outlines and the sun in the lens view: nothing to light
    vec3 ambient = mix(NIGHT_SKY_LIGHT, DAY_SKY_LIGHT, daylight) * skyLight;
    vec3 col = base.rgb * (ambient + SUNLIGHT * daylight * nDotL * vis * 0.8) + SUNLIGHT * highlight * vis;
    col += (base.rgb * VASK * 1.5 + VASK * 0.45) * vaskGlow;
    return vec4(mix(col, SKY, fog), base.a);
}

vec4 vask(vec4 base) {
    float t = time * 0.003;
    float veins = smoothstep(0.5, 0.9, tri(worldPos.x * 0.9 + worldPos.y * 0.6 + t) *
                                           tri(worldPos.z * 0.8 - worldPos.y * 0.4 - t * 0.8));
    float lit = 0.65 + 0.35 * (nDotL < 0.0 ? 1.0 : nDotL) * daylight;
    vec3 col = mix(base.rgb, VASK, 0.5) * (0.7 + 0.45 * pulse) * lit;
    col += VASK * (0.15 * pulse + 0.7 * veins) + vec3(0.9, 0.5, 1.0) * veins * 0.25;
    return vec4(mix(col, SKY, fog), 0.7 + 0.1 * pulse);
}

vec4 beam(vec4 base) {
    vec3 col = min(base.rgb * (1.45 + 0.3 * pulse) + vec3(0.2, 0.15, 0.3), vec3(1.0));
    return vec4(col, base.a * 0.9);
}

vec4 unlit(vec4 base) {
    if (base.a < 0.02) discard;
    return vec4(mix(base.rgb, SKY, fog), base.a);
}

vec4 templateGhost(vec4 base) {
    float scan = 0.5 + 0.5 * tri(worldPos.y * 2.0 - time * 0.025);
    vec3 col = mix(base.rgb, vec3(0.35, 0.6, 1.0), 0.55) + vec3(0.05, 0.12, 0.25) * scan;
    return vec4(col, 0.4 + 0.15 * scan);
}

vec4 field(vec3 n) {
    if (depth < -0.5) {
        // Shield bubble: bright cyan energy, strongest at grazing angles, with running waves.
        float facing = abs(dot(n, normalize(playerPos - worldPos)));
        float rim = (1.0 - facing) * (1.0 - facing);
        float w = tri(worldPos.x * 0.33 + time * 0.013) * tri(worldPos.y * 0.37 - time * 0.01) *
                  tri(worldPos.z * 0.3 + time * 0.008);
        float bands = smoothstep(0.35, 0.9, abs(w));
        vec3 col = vec3(0.25, 0.9, 1.0) * (0.7 + 0.6 * rim + 0.5 * bands);
        return vec4(min(col, vec3(1.0)), clamp(0.14 + 0.55 * rim + 0.25 * bands, 0.0, 0.85));
    }
    // The world's boundary: a faint pane with lines on every sector border.
    vec3 d = abs(fract(worldPos / 10.0 + 0.5) - 0.5) * 10.0;
    vec3 width = max(fwidth(worldPos) * 1.5, vec3(0.06));
    vec3 onLine = (1.0 - smoothstep(width * 0.5, width, d)) * (1.0 - abs(n));
    float line = max(onLine.x, max(onLine.y, onLine.z));
    float shimmer = 0.8 + 0.2 * tri(time * 0.005 + worldPos.y * 0.03);
    vec3 col = mix(vec3(0.75, 0.82, 1.0), SKY, fog);
    return vec4(col, (0.06 + 0.3 * line) * shimmer);
}

vec4 lens(vec4 base, vec4 shape) {
    float r = length(tex - 0.5) * 2.0;
    vec3 col = base.rgb * smoothstep(shape.z * 0.8, shape.z * 1.25, r);
    float x = clamp((r - max(shape.y, shape.z * 1.3)) / 0.08, -1.0, 1.0);
    col += VASK * 0.8 * shape.w * (1.0 - x * x) * (1.0 - x * x);
    float alpha = 1.0 - smoothstep(0.8 * shape.x, shape.x, r);
    if (alpha < 0.01) discard;
    return vec4(col, alpha);
}

vec4 sun(vec4 base) {
    float r = length(tex - 0.5) * 2.0;
    float a = base.a * (1.0 - smoothstep(0.85, 1.0, r));
    if (a < 0.02) discard;
    vec3 col = base.rgb * 1.25 + vec3(0.25, 0.18, 0.05) * (1.0 - r);
    return vec4(min(col, vec3(1.0)), a);
}

vec4 ship(vec4 base, vec3 n, float ndl, float vis) {
    vec3 metal = base.rgb * vec3(0.85, 0.9, 1.0);
    vec3 toEye = normalize(playerPos - worldPos);
    vec3 halfway = sunDir + toEye;  // zero only with the sun straight behind the eye's target
    float s = max(dot(n, halfway), 0.0) * inversesqrt(max(dot(halfway, halfway), 1e-6));
    s *= s; s *= s; s *= s; s *= s; s *= s;  // a tight highlight: s^32
    vec3 amb = mix(NIGHT_SKY_LIGHT, DAY_SKY_LIGHT, daylight) * (0.85 + 0.15 * n.y);
    vec3 col = metal * (amb + SUNLIGHT * daylight * ndl * vis * 0.8) + SUNLIGHT * 0.9 * s * vis * daylight;
    // A cool sheen toward grazing angles reads as polished hull plating.
    float f = 1.0 - max(dot(n, toEye), 0.0);
    col = mix(col, SKY * daylight + vec3(0.05), f * f * f * 0.35);
    return vec4(mix(col, SKY, fog), 1.0);
}

void main() {
    vec4 shape;
    vec2 lensUv = lensLookup(shape);
    vec2 uv = mode == 1 ? tex + swirl : mode == 7 ? lensUv : tex;
    vec4 base = textureLod(Sampler, uv, 0.0);
    vec3 n = faceNormal();
    float ndl = mode == 9 ? max(dot(n, sunDir), 0.0) : nDotL;
    float vis = ndl > 0.0 ? sunVisibility(ndl) : 0.0;

    if (mode == 1) fragColor = vask(base);
    else if (mode == 2) fragColor = beam(base);
    else if (mode == 3) fragColor = vec4(dot(uColor, uColor) > 0.0 ? uColor : vec3(1.0), 1.0);
    else if (mode == 4) fragColor = templateGhost(base);
    else if (mode == 5) fragColor = unlit(base);
    else if (mode == 6) fragColor = field(n);
    else if (mode == 7) fragColor = lens(base, shape);
    else if (mode == 8) fragColor = sun(base);
    else if (mode == 9) fragColor = ship(base, n, ndl, vis);
    else fragColor = litWorld(base, vis);
}
