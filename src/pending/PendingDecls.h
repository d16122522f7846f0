#pragma once
// Declarations of functions other subsystems own, used by the game flow before
// their headers land. Each block goes away when its owner's header is merged;
// the temporary definitions live in Pending.cpp.
#include <SDL2/SDL_video.h>
#include <glm/glm.hpp>

#include <map>
#include <string>

// --- rendering (ShaderHelp) ---
extern std::map<std::string, unsigned int> shaders;
extern glm::mat4 projectionMat, orthoMat;
void setupGL();
void setupUniforms();
void shutdownGL();
void setupVAO(float* texCoords, int texSize, float* vertexCoords, int verSize, unsigned int& vao,
              unsigned int (&vbo)[2]);

// --- rendering (Textures) ---
void loadTextures();
void unloadTextures();
unsigned int getTexture(std::string s);
void loadIcon(std::string file, SDL_Window* win);

class TextRenderer {
public:
    unsigned int charSheet;
    float charWidth, charHeight;
    int charsPerLine, linesPerSheet;
    float renderWidth, renderHeight;
    std::string text;
    unsigned int vao, buff[2];

    explicit TextRenderer(std::string tex);
    void setRenderSize(float w, float h);
    void getTexCoords(char c, float* ret);
    void renderString(std::string text, float offset);
    void renderToBox(std::string text, float width, float height);
    int getNextWord(std::string s, int pos, int len);
};

// --- terrain generation ---
struct skirmishSettings {
    int enemies, height, smoothness, trees, bed;
};
extern skirmishSettings makeSettings;
