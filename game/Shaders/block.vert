#version 130
// Lighting, fog and the slow animations are worked out per vertex: faces are
// at most a block wide, and software rasterisers pay for every instruction of
// the fragment shader on every pixel, whatever the mode. For the same reason
// everything a look needs that is linear over a face, or the same for the
// whole draw, is worked out here too.
in vec3 in_Position;
in vec2 in_Tex;
in vec4 in_Norm;  // (normal pointing into the cube, vask light 0..2); (0,0,0,1) when the mesh has none

uniform mat4 projectionMatrix;
uniform mat4 viewMatrix;
uniform mat4 modelMatrix;
uniform mat4 shadowpMatrix;
uniform mat4 shadowbMatrix;
uniform mat4 shadowvMatrix;
uniform ivec2 shadowBuff;
uniform float time;
uniform float depth;
uniform vec3 sunPos;
uniform vec3 playerPos;
uniform int mode;
uniform vec2 shiny;
uniform vec4 dort;
uniform vec3 uColor;

const vec3 VASK = vec3(0.62, 0.12, 0.85);

out vec2 tex;          // the vask's drifts with its swirl
out vec3 worldPos;
out vec3 sunDir;
out vec3 shadowCoord;  // z is 2 (never shadowed) until the shadow matrices are set, or without shadows
out float nDotL;       // sun on the mesh normal; -1 for meshes without normals (1 for the vask)
out float daylight;    // 0 at night, 1 in full day: the sun circles the world and may set
out float skyLight;    // how much of the sky the surface faces
out float highlight;   // specular sunlight before shadowing
out float vaskGlow;    // light from nearby vask cells, with its throb
out float pulse;       // slow 0..1 wave for the animated modes
out float fog;         // 0 for the looks that are not fogged
out vec3 pattern;      // the look's wave arguments, linear in the position
// The same over a whole draw, yet not `flat`: with a flat input software GL
// splits a quad drawn without indices along its other diagonal, and the
// vask's swirled texture coordinate (not affine over a face) shows the split.
out vec4 lensShape;  // radius, ring, core, pull of the singularity
out vec2 lensBend;   // ring squared, twist
out vec4 ramps;      // start and 1/length of the look's two smoothstep ramps
out vec3 tint1;      // the look's colour is texture * a + tint1 * s1 + tint2 * s2,
out vec3 tint2;      // with a, s1 and s2 worked out per pixel

void main() {
    vec4 world = modelMatrix * vec4(in_Position, 1.0);
    worldPos = world.xyz;

    bool has = dot(in_Norm.xyz, in_Norm.xyz) > 0.0001;
    vec3 n = has ? normalize(-(mat3(modelMatrix) * in_Norm.xyz)) : vec3(0.0);

    sunDir = normalize(sunPos - world.xyz);
    daylight = smoothstep(-0.15, 0.25, sunDir.y);
    nDotL = has ? max(dot(n, sunDir), 0.0) : -1.0;
    skyLight = 0.85 + 0.15 * n.y;
    vec3 toEye = normalize(playerPos - world.xyz);
    vec3 halfway = sunDir + toEye;  // zero only with the sun straight behind the eye's target
    float facing = max(dot(n, halfway), 0.0) * inversesqrt(max(dot(halfway, halfway), 1e-6));
    float specular = pow(facing, max(shiny.y, 1.0));
    highlight = (nDotL > 0.0 && shiny.x > 0.0) ? shiny.x * specular * daylight : 0.0;

    // Without normals the w component is only the attribute default, not light.
    float wave = dot(world.xyz, vec3(0.31, 0.23, 0.37));
    // The ship is lit by the sun alone.
    vaskGlow = has && mode != 9 ? clamp(in_Norm.w, 0.0, 2.0) * 0.6 * (0.8 + 0.2 * sin(time * 0.05 + wave)) : 0.0;
    pulse = 0.5 + 0.5 * sin(time * 0.045 + wave * 1.3);
    float t = time * 0.02;
    vec2 swirl = 0.07 * vec2(sin(t + world.y * 1.7 + world.z * 1.1), cos(t * 1.3 + world.x * 1.5 - world.y * 0.9));
    tex = mode == 1 ? in_Tex + swirl : in_Tex;
    // The vask lights meshes without normals fully.
    if (mode == 1 && !has) nDotL = 1.0;

    float density = mode == 1 ? 1.0 / 320.0 : mode == 5 ? 1.0 / 420.0 : mode == 6 ? 1.0 / 500.0 : 1.0 / 260.0;
    float d = length(world.xyz - playerPos) * density;
    fog = 1.0 - exp(-d * d);
    // Beams, lines, the template ghost, the lens, the sun and the shield are
    // not fogged, nor are outlines drawn in the lit look.
    if (mode == 2 || mode == 3 || mode == 4 || mode == 7 || mode == 8 || (mode == 6 && depth < -0.5) ||
        (mode == 0 && !has))
        fog = 0.0;

    // The vask works its veins out from worldPos itself: the same sums there
    // keep its pictures to the pixel.
    vec3 p = world.xyz;
    pattern = mode == 4 ? vec3(p.y * 2.0 - time * 0.025, 0.0, 0.0)
            : depth < -0.5 ? vec3(p.x * 0.33 + time * 0.013, p.y * 0.37 - time * 0.01, p.z * 0.3 + time * 0.008)
                           : p / 10.0 + 0.5;

    float radius = max(dort.x, 0.05);
    float pull = clamp(-dort.y, 0.0, 2.0);
    float ring = 0.3 * radius * pull;
    float core = clamp(-dort.w, 0.0, 3.0) * 0.1 * radius;
    lensShape = vec4(radius, ring, core, pull);
    lensBend = vec2(ring * ring, dort.z + 0.6 * pull);
    ramps = mode == 7 ? vec4(core * 0.8, 1.0 / (core * 1.25 - core * 0.8), 0.8 * radius, 1.0 / (radius - 0.8 * radius))
          : vec4(mode == 6 ? 0.35 : 0.5, mode == 6 ? 1.0 / (0.9 - 0.35) : 1.0 / (0.9 - 0.5), 0.85, 1.0 / (1.0 - 0.85));
    vec3 lineColor = dot(uColor, uColor) > 0.0 ? uColor : vec3(1.0);
    tint1 = mode == 1 ? VASK : mode == 2 ? vec3(0.2, 0.15, 0.3) : mode == 3 ? lineColor
          : mode == 4 ? vec3(0.35, 0.6, 1.0) * 0.55 : mode == 6 && depth >= -0.5 ? vec3(0.75, 0.82, 1.0) : vec3(0.0);
    tint2 = mode == 1 ? vec3(0.9, 0.5, 1.0) : mode == 4 ? vec3(0.05, 0.12, 0.25) : mode == 6 && depth < -0.5 ? vec3(0.25, 0.9, 1.0)
          : mode == 7 ? VASK * 0.8 * pull : mode == 8 ? vec3(0.25, 0.18, 0.05) : vec3(0.0);

    // Looking the shadow map up from a point nudged off the surface keeps
    // faces from shadowing themselves.
    vec4 sc = shadowbMatrix * shadowpMatrix * shadowvMatrix * vec4(world.xyz + n * 0.08, 1.0);
    // Without a shadow map (zero size) every point is beyond it, so the
    // fragment shader needs no test of its own.
    shadowCoord = sc.w > 0.5 && shadowBuff.x > 0 && shadowBuff.y > 0 ? sc.xyz / sc.w : vec3(0.5, 0.5, 2.0);

    gl_Position = projectionMatrix * viewMatrix * world;
}
