#version 130
// The shadow framebuffer has no colour buffer; only depth is written.
void main() {
}
