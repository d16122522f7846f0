#version 130
// Screen-space draws in the 0..100 overlay space.
in vec3 in_Position;
in vec2 in_Tex;

uniform mat4 projectionMatrix;
uniform mat4 modelMatrix;

out vec2 tex;
out vec2 screenPos;  // 0..100 overlay coordinates, for effects on meshes without texture coordinates

void main() {
    vec4 p = modelMatrix * vec4(in_Position, 1.0);
    screenPos = p.xy;
    tex = in_Tex;
    gl_Position = projectionMatrix * p;
}
