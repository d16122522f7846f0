#version 130
// Lighting, fog and the slow animations are worked out per vertex: faces are
// at most a block wide, and software rasterisers pay for every instruction of
// the fragment shader on every pixel, whatever the mode.
in vec3 in_Position;
in vec2 in_Tex;
in vec4 in_Norm;  // (normal pointing into the cube, vask light 0..2); (0,0,0,1) when the mesh has none

uniform mat4 projectionMatrix;
uniform mat4 viewMatrix;
uniform mat4 modelMatrix;
uniform mat4 shadowpMatrix;
uniform mat4 shadowbMatrix;
uniform mat4 shadowvMatrix;
uniform float time;
uniform vec3 sunPos;
uniform vec3 playerPos;
uniform int mode;
uniform vec2 shiny;

out vec2 tex;
out vec3 worldPos;
out vec3 sunDir;
out vec3 shadowCoord;  // z is 2 (never shadowed) until the shadow matrices are set
out float nDotL;       // sun on the mesh normal; -1 for meshes without normals
out float daylight;    // 0 at night, 1 in full day: the sun circles the world and may set
out float skyLight;    // how much of the sky the surface faces
out float highlight;   // specular sunlight before shadowing
out float vaskGlow;    // light from nearby vask cells, with its throb
out float pulse;       // slow 0..1 wave for the animated modes
out vec2 swirl;        // drifting texture offset of the vask
out float fog;

void main() {
    vec4 world = modelMatrix * vec4(in_Position, 1.0);
    worldPos = world.xyz;
    tex = in_Tex;

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
    vaskGlow = has ? clamp(in_Norm.w, 0.0, 2.0) * 0.6 * (0.8 + 0.2 * sin(time * 0.05 + wave)) : 0.0;
    pulse = 0.5 + 0.5 * sin(time * 0.045 + wave * 1.3);
    float t = time * 0.02;
    swirl = 0.07 * vec2(sin(t + world.y * 1.7 + world.z * 1.1), cos(t * 1.3 + world.x * 1.5 - world.y * 0.9));

    float density = mode == 1 ? 1.0 / 320.0 : mode == 5 ? 1.0 / 420.0 : mode == 6 ? 1.0 / 500.0 : 1.0 / 260.0;
    float d = length(world.xyz - playerPos) * density;
    fog = 1.0 - exp(-d * d);

    // Looking the shadow map up from a point nudged off the surface keeps
    // faces from shadowing themselves.
    vec4 sc = shadowbMatrix * shadowpMatrix * shadowvMatrix * vec4(world.xyz + n * 0.08, 1.0);
    shadowCoord = sc.w > 0.5 ? sc.xyz / sc.w : vec3(0.5, 0.5, 2.0);

    gl_Position = projectionMatrix * viewMatrix * world;
}
