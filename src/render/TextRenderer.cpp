#include "render/Textures.h"
#include "render/GlMesh.h"

#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/type_ptr.hpp>

TextRenderer::TextRenderer(std::string tex)
    : charSheet(getTexture(tex)), charsPerLine(30), linesPerSheet(19), text(tex), vao(0), buff{0, 0} {
    charWidth = 0.995f / float(charsPerLine);
    charHeight = 0.995f / float(linesPerSheet);
    renderWidth = 10 * charWidth;
    renderHeight = 10 * charHeight;
}

void TextRenderer::setRenderSize(float w, float h) {
    renderWidth = w;
    renderHeight = h;
}

void TextRenderer::getTexCoords(char c, GLfloat* ret) {
    // Code c sits in cell c - 1 of the sheet, counted row by row from the top left.
    unsigned index = unsigned(int(static_cast<signed char>(c)) - 1);
    unsigned row = index / unsigned(charsPerLine);
    unsigned col = index % unsigned(charsPerLine);
    float cw = charWidth, ch = charHeight;
    ret[0] = float(col) * cw;
    ret[1] = float(row) * ch;
    ret[2] = float(col) * cw;
    ret[3] = float(row + 1) * ch;
    ret[4] = float(col + 1) * cw;
    ret[5] = float(row + 1) * ch;
    ret[6] = float(col + 1) * cw;
    ret[7] = float(row) * ch;
}

// From pos, past any spaces and then past the word that follows them.
static size_t nextWordEnd(const std::string& s, size_t pos) {
    while (pos < s.size() && s[pos] == ' ') pos++;
    while (pos < s.size() && s[pos] != ' ') pos++;
    return pos;
}

int TextRenderer::getNextWord(std::string s, int pos, int len) {
    return pos < 0 ? int(nextWordEnd(s, 0)) : int(nextWordEnd(s, size_t(pos)));
}

std::vector<TextBoxDraw> layoutTextBox(const std::string& text, int maxChars, int maxLines) {
    std::vector<TextBoxDraw> draws;
    size_t length = text.size();
    int line = 0;
    size_t begin = 0, x = 0;
    while (x < length) {
        size_t lx = x;
        x = nextWordEnd(text, x);
        if (long(x - begin) > long(maxChars)) {
            draws.push_back({line, begin, lx});
            line++;
            if (line > maxLines) break;
            begin = lx + 1;
        }
        draws.push_back({line, begin, x});
    }
    return draws;
}

void TextRenderer::renderToBox(std::string s, float width, float height) {
    int maxChars = int(width / renderWidth);
    int maxLines = int(height / renderHeight);
    for (const TextBoxDraw& d : layoutTextBox(s, maxChars, maxLines))
        renderString(s.substr(d.begin, d.end - d.begin), -float(d.line) * renderHeight);
}

GLsizei TextRenderer::uploadString(const std::string& s, float offset) {
    size_t n = s.size();
    std::vector<GLfloat> pos(n * 12), tex(n * 8);
    float w = renderWidth, h = renderHeight;
    for (size_t i = 0; i < n; i++) {
        float x0 = float(i) * w, x1 = float(i + 1) * w;
        GLfloat* p = &pos[i * 12];
        p[0] = x0, p[1] = offset, p[2] = -5;
        p[3] = x0, p[4] = offset - h, p[5] = -5;
        p[6] = x1, p[7] = offset - h, p[8] = -5;
        p[9] = x1, p[10] = offset, p[11] = -5;
        getTexCoords(s[i], &tex[i * 8]);
    }
    glBindTexture(GL_TEXTURE_2D, charSheet);
    glGenVertexArrays(1, &vao);
    glBindVertexArray(vao);
    glGenBuffers(2, buff);
    uploadAttribute(buff[0], 0, 3, pos.data(), pos.size(), GL_DYNAMIC_DRAW);
    uploadAttribute(buff[1], 2, 2, tex.data(), tex.size(), GL_DYNAMIC_DRAW);
    return GLsizei(4 * n);
}

void TextRenderer::releaseString() {
    glBindVertexArray(0);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glDeleteBuffers(2, buff);
    glDeleteVertexArrays(1, &vao);
    buff[0] = buff[1] = 0;
    vao = 0;
    glBindTexture(GL_TEXTURE_2D, 0);
}

void TextRenderer::renderString(std::string s, float offset) {
    if (s.empty()) return;
    glDrawArrays(GL_QUADS, 0, uploadString(s, offset));
    releaseString();
}

void TextRenderer::renderOutlined(const std::string& s, float offset, const TextOutline& how) {
    if (s.empty()) return;
    GLint program = 0;
    glGetIntegerv(GL_CURRENT_PROGRAM, &program);
    GLint model = glGetUniformLocation(GLuint(program), "modelMatrix");
    GLint mode = glGetUniformLocation(GLuint(program), "mode");
    GLint colour = glGetUniformLocation(GLuint(program), "uColor");
    GLfloat own[3] = {0, 0, 0};
    if (colour >= 0) glGetUniformfv(GLuint(program), colour, own);
    GLsizei count = uploadString(s, offset);
    // Eight dark copies a pixel away on every side, then the text itself.
    glUniform1i(mode, 3);
    if (colour >= 0) glUniform3f(colour, 0.02f, 0.02f, 0.03f);
    for (int dx = -1; dx <= 1; dx++)
        for (int dy = -1; dy <= 1; dy++) {
            if (dx == 0 && dy == 0) continue;
            glm::mat4 m = glm::translate(how.model, glm::vec3(float(dx) * how.pixel.x, float(dy) * how.pixel.y, 0));
            glUniformMatrix4fv(model, 1, GL_FALSE, glm::value_ptr(m));
            glDrawArrays(GL_QUADS, 0, count);
        }
    if (colour >= 0) glUniform3fv(colour, 1, own);
    glUniform1i(mode, how.mode);
    glUniformMatrix4fv(model, 1, GL_FALSE, glm::value_ptr(how.model));
    glDrawArrays(GL_QUADS, 0, count);
    releaseString();
}
