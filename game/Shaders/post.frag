#version 130
// Every screen-space draw. `mode` picks the look:
// 0 the scene with the low-health effect, 1 icons/frames/dialog panels,
// 2 highlighted frames, bars and dialog text, 3 reticle and tinted text,
// 4 the animated title logo, 5 dialog portraits.
in vec2 tex;
in vec2 screenPos;

uniform sampler2D Sampler;
uniform sampler2D Scene;
uniform int mode;
uniform vec3 uColor;
uniform float hp;
uniform float time;

out vec4 fragColor;

vec4 composeScene() {
    vec3 col = textureLod(Scene, tex, 0.0).rgb;
    // Below half health the world drains of colour and a red rim closes in.
    float danger = 1.0 - smoothstep(0.0, 0.5, clamp(hp, 0.0, 1.0));
    if (danger <= 0.0) return vec4(col, 1.0);
    float grey = dot(col, vec3(0.299, 0.587, 0.114));
    col = mix(col, vec3(grey), 0.7 * danger);
    vec2 c = (tex - 0.5) * vec2(1.68, 1.4);
    float edge = smoothstep(0.95 - 0.45 * danger, 1.15, length(c));
    col = mix(col, vec3(0.75, 0.0, 0.0), edge * (0.3 + 0.5 * danger));
    return vec4(col, 1.0);
}

// A cheap stand-in for sin(): -1..1, period 1. Software GL runs every branch
// of this shader on every pixel of the full-screen composition, so the
// patterns avoid trigonometry.
float tri(float x) { return abs(fract(x) - 0.5) * 4.0 - 1.0; }

vec4 highlighted(vec4 c) {
    return vec4(min(mix(c.rgb, vec3(1.0, 0.93, 0.45), 0.35) * 1.2, vec3(1.0)), c.a);
}

vec4 tinted(vec4 c) {
    vec3 tint = dot(uColor, uColor) > 0.0 ? uColor : vec3(1.0);
    return vec4(c.rgb * tint, c.a);
}

// The title letters are flat quads without texture coordinates; their look is
// a slow plasma of vask purple and green with a light sweeping across.
vec4 logo() {
    float t = time * 0.008;
    vec2 p = screenPos * 0.02;
    float v = tri(p.x * 1.3 + t * 1.7) + tri(p.y * 1.7 - t * 1.1) + tri((p.x + p.y) * 0.9 + t * 0.7) +
              tri(length(p - vec2(1.0)) * 1.5 - t * 2.0);
    v *= 0.25;
    vec3 col = mix(vec3(0.5, 0.08, 0.8), vec3(0.2, 0.95, 0.35), smoothstep(-0.35, 0.35, v));
    col *= 0.75 + 0.3 * tri(v * 0.5 + t * 0.5);
    float x = clamp((screenPos.x - mod(time * 1.5, 160.0) + 30.0) / 8.0, -1.0, 1.0);
    float sweep = (1.0 - x * x) * (1.0 - x * x);
    return vec4(min(col + vec3(0.6) * sweep, vec3(1.0)), 1.0);
}

// A face on a comms screen: scan lines, darkened corners and a green frame.
vec4 portrait(vec4 c) {
    vec2 e = tex - 0.5;
    float scan = 0.88 + 0.12 * tri(gl_FragCoord.y * 0.35);
    float vignette = 1.0 - smoothstep(0.18, 1.04, dot(e, e) * 2.0);
    vec3 col = c.rgb * scan * (0.55 + 0.45 * vignette) + vec3(0.02, 0.06, 0.04);
    float frame = step(0.47, max(abs(e.x), abs(e.y)));
    col = mix(col, vec3(0.35, 0.9, 0.5), 0.8 * frame);
    return vec4(col, max(c.a, frame));
}

void main() {
    vec4 c = textureLod(Sampler, tex, 0.0);
    if (mode == 0) fragColor = composeScene();
    else if (mode == 2) fragColor = highlighted(c);
    else if (mode == 3) fragColor = tinted(c);
    else if (mode == 4) fragColor = logo();
    else if (mode == 5) fragColor = portrait(c);
    else fragColor = c;
}
