#pragma once
// The ship's fixed model: a tapered hull of seven diamond rings with a capped
// stern, and a bridge box on its back. Plain tables, so they can be checked
// without GL.
namespace shipModel {
constexpr int VERTICES = 36;
constexpr int QUADS = 31;
constexpr int INDICES = QUADS * 4;
// Positions relative to the ship's cell, three floats per vertex.
extern const float positions[VERTICES * 3];
extern const float texCoords[VERTICES * 2];
extern const unsigned short indices[INDICES];
}  // namespace shipModel
