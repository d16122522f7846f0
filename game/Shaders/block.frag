#version 130
// Every 3D draw of the game. `mode` picks the look:
// 0 lit world, 1 vask, 2 beams, 3 lines, 4 template ghost, 5 unlit (backdrop,
// entities), 6 world box / shield bubble, 7 singularity lens, 8 sun, 9 ship.
in vec2 tex;
in vec3 worldPos;
in vec3 outwardNormal;
in float vaskLight;
in vec4 shadowCoord;

uniform sampler2D Sampler;
uniform sampler2D shadowMap;
uniform vec4 dort;
uniform ivec2 resolution;
uniform ivec2 shadowBuff;
uniform float time;
uniform float depth;
uniform vec3 sunPos;
uniform vec3 playerPos;
uniform int mode;
uniform vec2 shiny;
uniform vec3 uColor;

out vec4 fragColor;

// Matches the clear colour, so fogged geometry melts into the sky.
const vec3 SKY = vec3(0.5, 0.5, 1.0);
const vec3 VASK = vec3(0.62, 0.12, 0.85);
const vec3 SUNLIGHT = vec3(1.0, 0.95, 0.84);

float fogAmount(float density) {
    float d = length(worldPos - playerPos) * density;
    return 1.0 - exp(-d * d);
}

vec3 sunDir() { return normalize(sunPos - worldPos); }

// 0 at night, 1 in daylight: the sun circles the world and may set.
float daylight() { return smoothstep(-0.15, 0.25, sunDir().y); }

// Fraction of the sun that reaches this point, 3x3 PCF over the shadow map.
float sunVisibility(float nDotL) {
    // Until the first shadow pass has run the shadow matrices are still zero.
    if (shadowCoord.w < 0.5 || shadowBuff.x <= 0 || shadowBuff.y <= 0) return 1.0;
    vec3 sc = shadowCoord.xyz / shadowCoord.w;
    if (sc.x <= 0.0 || sc.x >= 1.0 || sc.y <= 0.0 || sc.y >= 1.0 || sc.z >= 1.0) return 1.0;
    vec2 texel = 1.0 / vec2(shadowBuff);
    float slope = sqrt(max(1.0 - nDotL * nDotL, 0.0)) / max(nDotL, 0.2);
    float bias = 0.00004 + 0.00012 * slope;
    float lit = 0.0;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            lit += (texture(shadowMap, sc.xy + vec2(dx, dy) * texel).r + bias >= sc.z) ? 1.0 : 0.0;
    return lit / 9.0;
}

// Sun, sky and specular light on a surface of colour `base` with outward normal n.
vec3 shade(vec3 base, vec3 n, vec2 spec) {
    vec3 l = sunDir();
    float day = daylight();
    float nDotL = max(dot(n, l), 0.0);
    float vis = nDotL > 0.0 ? sunVisibility(nDotL) : 0.0;
    vec3 ambient = mix(vec3(0.13, 0.13, 0.24), vec3(0.40, 0.40, 0.50), day) * (0.85 + 0.15 * n.y);
    vec3 direct = SUNLIGHT * day * nDotL * vis * 0.8;
    vec3 col = base * (ambient + direct);
    if (spec.x > 0.0 && nDotL > 0.0) {
        vec3 h = normalize(l + normalize(playerPos - worldPos));
        col += SUNLIGHT * spec.x * pow(max(dot(n, h), 0.0), max(spec.y, 1.0)) * vis * day;
    }
    return col;
}

// Light thrown by nearby vask cells: a slow, sickly purple throb.
vec3 vaskGlow(vec3 base) {
    float g = vaskLight * 0.6;
    float throb = 0.8 + 0.2 * sin(time * 0.05 + dot(worldPos, vec3(0.31, 0.23, 0.37)));
    return (base * VASK * 1.5 + VASK * 0.45) * g * throb;
}

// Flat normal of the drawn triangle, for meshes that carry none; faces the viewer.
vec3 faceNormal() {
    vec3 n = cross(dFdx(worldPos), dFdy(worldPos));
    if (dot(n, n) < 1e-12) return sunDir();
    n = normalize(n);
    return dot(n, playerPos - worldPos) < 0.0 ? -n : n;
}

vec4 litWorld() {
    vec4 base = texture(Sampler, tex);
    if (base.a < 0.02) discard;
    if (dot(outwardNormal, outwardNormal) < 0.0001)
        return base;  // outlines and the sun in the lens view: no surface to light
    vec3 col = shade(base.rgb, normalize(outwardNormal), shiny) + vaskGlow(base.rgb);
    return vec4(mix(col, SKY, fogAmount(1.0 / 260.0)), base.a);
}

vec4 vask() {
    float t = time * 0.02;
    vec2 swirl = 0.07 * vec2(sin(t + worldPos.y * 1.7 + worldPos.z * 1.1),
                             cos(t * 1.3 + worldPos.x * 1.5 - worldPos.y * 0.9));
    vec4 base = texture(Sampler, tex + swirl);
    float pulse = 0.5 + 0.5 * sin(time * 0.045 + dot(worldPos, vec3(0.35, 0.5, 0.27)));
    float veins = smoothstep(0.75, 1.0, sin(worldPos.x * 3.1 + worldPos.y * 2.3 + t * 2.0) *
                                            sin(worldPos.z * 2.7 - worldPos.y * 1.3 - t * 1.5));
    vec3 n = dot(outwardNormal, outwardNormal) > 0.0001 ? normalize(outwardNormal) : sunDir();
    float lit = 0.65 + 0.35 * max(dot(n, sunDir()), 0.0) * daylight();
    vec3 col = mix(base.rgb, VASK, 0.5) * (0.7 + 0.45 * pulse) * lit;
    col += VASK * (0.15 * pulse + 0.7 * veins) + vec3(0.9, 0.5, 1.0) * veins * 0.25;
    col = mix(col, SKY, fogAmount(1.0 / 320.0));
    return vec4(col, 0.7 + 0.1 * pulse);
}

vec4 beam() {
    vec4 base = texture(Sampler, tex);
    float flicker = 0.85 + 0.15 * sin(time * 0.7 + (worldPos.x + worldPos.y + worldPos.z) * 3.0);
    vec3 col = min(base.rgb * 1.7 * flicker + vec3(0.2, 0.15, 0.3), vec3(1.0));
    return vec4(col, clamp(base.a * 0.9, 0.0, 1.0));
}

vec4 lineDrawing() {
    vec3 col = dot(uColor, uColor) > 0.0 ? uColor : vec3(1.0);
    return vec4(col, 1.0);
}

vec4 templateGhost() {
    vec4 base = texture(Sampler, tex);
    float scan = 0.5 + 0.5 * sin(worldPos.y * 12.0 - time * 0.15);
    vec3 col = mix(base.rgb, vec3(0.35, 0.6, 1.0), 0.55) + vec3(0.05, 0.12, 0.25) * scan;
    return vec4(col, 0.4 + 0.15 * scan);
}

vec4 unlit() {
    vec4 base = texture(Sampler, tex);
    if (base.a < 0.02) discard;
    return vec4(mix(base.rgb, SKY, fogAmount(1.0 / 420.0)), base.a);
}

vec4 field() {
    vec3 n = faceNormal();
    vec3 toEye = normalize(playerPos - worldPos);
    if (depth < -0.5) {
        // Shield bubble: bright cyan energy, strongest at grazing angles, with running waves.
        float rim = pow(1.0 - abs(dot(n, toEye)), 2.0);
        float w = sin(worldPos.x * 2.1 + time * 0.08) * sin(worldPos.y * 2.3 - time * 0.06) *
                  sin(worldPos.z * 1.9 + time * 0.05);
        float bands = smoothstep(0.35, 0.9, abs(w));
        vec3 col = vec3(0.25, 0.9, 1.0) * (0.7 + 0.6 * rim + 0.5 * bands);
        return vec4(min(col, vec3(1.0)), clamp(0.14 + 0.55 * rim + 0.25 * bands, 0.0, 0.85));
    }
    // The world's boundary: a faint pane with lines on every sector border.
    vec3 d = abs(fract(worldPos / 10.0 + 0.5) - 0.5) * 10.0;
    vec3 width = max(fwidth(worldPos) * 1.5, vec3(0.06));
    vec3 onLine = (1.0 - smoothstep(width * 0.5, width, d)) * (1.0 - abs(n));
    float line = max(onLine.x, max(onLine.y, onLine.z));
    float shimmer = 0.8 + 0.2 * sin(time * 0.03 + worldPos.y * 0.2);
    vec3 col = mix(vec3(0.75, 0.82, 1.0), SKY, fogAmount(1.0 / 500.0));
    return vec4(col, (0.06 + 0.3 * line) * shimmer);
}

// The singularity: the scene behind it, bent around a dark core like a
// gravitational lens. dort: x lens radius (in half quads), y pull (0 to -1 as
// it charges), z extra twist, w core size (0 to -1.5 as it charges).
vec4 lens() {
    vec2 d = tex - 0.5;
    float r = max(length(d) * 2.0, 0.0001);
    float radius = max(dort.x, 0.05);
    float pull = clamp(-dort.y, 0.0, 2.0);
    float ring = 0.3 * radius * pull;
    float source = r - ring * ring / r;
    float inner = pow(1.0 - min(r / radius, 1.0), 2.0);
    float twist = (dort.z + 0.6 * pull) * inner * (1.0 + 0.15 * sin(time * 0.05));
    vec2 dir = d / (0.5 * r);
    dir = vec2(dir.x * cos(twist) - dir.y * sin(twist), dir.x * sin(twist) + dir.y * cos(twist));
    vec2 uv = clamp(0.5 + dir * clamp(source, -radius, radius) * 0.5, 0.002, 0.998);
    vec3 col = texture(Sampler, uv).rgb;
    float core = clamp(-dort.w, 0.0, 3.0) * 0.1 * radius;
    col *= smoothstep(core * 0.8, core * 1.25, r);
    col += VASK * 0.8 * pull * exp(-pow((r - max(ring, core * 1.3)) / 0.04, 2.0));
    float alpha = 1.0 - smoothstep(0.8 * radius, radius, r);
    if (alpha < 0.01) discard;
    return vec4(col, alpha);
}

vec4 sun() {
    vec4 base = texture(Sampler, tex);
    float r = length(tex - 0.5) * 2.0;
    float a = base.a * (1.0 - smoothstep(0.85, 1.0, r));
    if (a < 0.02) discard;
    vec3 col = base.rgb * 1.25 + vec3(0.25, 0.18, 0.05) * (1.0 - r);
    return vec4(min(col, vec3(1.0)), a);
}

vec4 ship() {
    vec4 base = texture(Sampler, tex);
    vec3 n = faceNormal();
    vec3 metal = base.rgb * vec3(0.85, 0.9, 1.0);
    vec3 col = shade(metal, n, vec2(0.9, 40.0));
    // A cool sheen toward grazing angles reads as polished hull plating.
    float fresnel = pow(1.0 - max(dot(n, normalize(playerPos - worldPos)), 0.0), 3.0);
    col = mix(col, SKY * daylight() + vec3(0.05), fresnel * 0.35);
    return vec4(mix(col, SKY, fogAmount(1.0 / 260.0)), 1.0);
}

void main() {
    if (mode == 1) fragColor = vask();
    else if (mode == 2) fragColor = beam();
    else if (mode == 3) fragColor = lineDrawing();
    else if (mode == 4) fragColor = templateGhost();
    else if (mode == 5) fragColor = unlit();
    else if (mode == 6) fragColor = field();
    else if (mode == 7) fragColor = lens();
    else if (mode == 8) fragColor = sun();
    else if (mode == 9) fragColor = ship();
    else fragColor = litWorld();
}
