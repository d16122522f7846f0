#pragma once
// Every image the game draws: PNGs from Textures/ loaded once at start-up and
// looked up by name, the window icon, and text drawn from a character sheet.
#include <GL/glew.h>
#include <SDL2/SDL_video.h>
#include <glm/glm.hpp>

#include <map>
#include <string>
#include <vector>

extern std::map<std::string, GLuint> loadedTextures;

// The id stored under s, else the one under "dne", else 0.
GLuint getTexture(std::string s);
// A directory entry's texture name: the entry without its last 4 characters
// (the ".png"); entries of 4 characters or fewer as the rule gives them.
std::string textureNameFor(const std::string& entry);

void loadTextures();
void unloadTextures();
// Loads one directory entry of Textures/; false when it should have been an
// image and could not be read (it then holds the missing-texture pattern).
bool loadPicture(std::string file, GLuint tex);
// Returns tex, or 0 when the file could not be decoded; tex then holds the
// missing-texture pattern.
GLuint loadPNG(const char* file_name, GLuint tex);
void loadIcon(std::string file, SDL_Window* win);

// Images larger than this on either side are refused before any allocation: a
// corrupt or hostile header must not make the game allocate gigabytes.
constexpr unsigned MAX_TEXTURE_SIDE = 8192;

// A PNG decoded to 8-bit RGB or RGBA, rows top first, each padded to a multiple
// of 4 bytes (the GL default unpack alignment).
struct DecodedImage {
    unsigned width = 0, height = 0;
    bool alpha = false;  // RGBA when true, RGB otherwise
    size_t rowBytes = 0;
    std::vector<unsigned char> pixels;
};

// What a texture that could not be read shows: an opaque pink and black checker.
DecodedImage missingTextureImage();
// The message telling the player which texture files could not be read.
std::string unreadableTexturesText(const std::vector<std::string>& files);

// True when every pixel of the image is fully opaque (an RGB image always is).
bool imageIsOpaque(const DecodedImage& image);
// True when the loaded texture `id` has any pixel that is not fully opaque;
// drawing may skip blending only for textures without such pixels.
bool textureHasTranslucency(GLuint id);

// The decoding half of loadPNG: reports every failure on standard error with
// the game's messages and returns false.
bool decodePNG(const char* file_name, DecodedImage& out);

// How renderOutlined places a string: `model` as renderString's caller would
// set it, `pixel` one window pixel in the model's units, `mode` the shader
// mode of the text itself.
struct TextOutline {
    glm::mat4 model;
    glm::vec2 pixel;
    int mode;
};

class TextRenderer {
public:
    GLuint charSheet;
    float charWidth, charHeight;
    int charsPerLine, linesPerSheet;
    float renderWidth, renderHeight;
    std::string text;
    GLuint vao, buff[2];

    explicit TextRenderer(std::string tex);
    void setRenderSize(float w, float h);
    void getTexCoords(char c, GLfloat* ret);
    void renderString(std::string text, float offset);
    void renderToBox(std::string text, float width, float height);
    int getNextWord(std::string s, int pos, int len);
    // The string in its own colour over a dark outline one pixel wide, so it
    // reads over sky, grass and machines alike; uploaded once, drawn nine
    // times. The caller has the post program in use.
    void renderOutlined(const std::string& s, float offset, const TextOutline& how);

private:
    GLsizei uploadString(const std::string& s, float offset);
    void releaseString();
};

// One draw of word-wrapped text: the characters [begin, end) on line `line`.
struct TextBoxDraw {
    int line;
    size_t begin, end;
};

// The draws renderToBox makes for `text` in a box of maxChars x maxLines
// character cells, in order. The line in progress is drawn again after each
// word, so the last draw of a line holds its final text.
std::vector<TextBoxDraw> layoutTextBox(const std::string& text, int maxChars, int maxLines);
