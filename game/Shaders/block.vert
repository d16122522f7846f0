#version 130
in vec3 in_Position;
in vec2 in_Tex;
in vec4 in_Norm;  // (normal pointing into the cube, vask light 0..2); (0,0,0,1) when the mesh has none

uniform mat4 projectionMatrix;
uniform mat4 viewMatrix;
uniform mat4 modelMatrix;
uniform mat4 shadowpMatrix;
uniform mat4 shadowbMatrix;
uniform mat4 shadowvMatrix;

out vec2 tex;
out vec3 worldPos;
out vec3 outwardNormal;  // world space, zero length when the mesh carries no normals
out float vaskLight;
out vec4 shadowCoord;

void main() {
    vec4 world = modelMatrix * vec4(in_Position, 1.0);
    worldPos = world.xyz;
    tex = in_Tex;

    bool hasNormal = dot(in_Norm.xyz, in_Norm.xyz) > 0.0001;
    outwardNormal = hasNormal ? -(mat3(modelMatrix) * in_Norm.xyz) : vec3(0.0);
    // Without normals the w component is only the attribute default, not light.
    vaskLight = hasNormal ? clamp(in_Norm.w, 0.0, 2.0) : 0.0;

    // Looking the shadow map up from a point nudged off the surface keeps
    // faces from shadowing themselves.
    vec3 nudged = world.xyz + (hasNormal ? normalize(outwardNormal) * 0.08 : vec3(0.0));
    shadowCoord = shadowbMatrix * shadowpMatrix * shadowvMatrix * vec4(nudged, 1.0);

    gl_Position = projectionMatrix * viewMatrix * world;
}
