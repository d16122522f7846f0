#pragma once
// GL start state, the shader programs loaded from Shaders/, their start uniforms,
// the per-draw uniforms every program has, and a small helper that builds a
// textured-quad vertex array.
#include <GL/glew.h>
#include <SDL2/SDL_video.h>
#include <glm/glm.hpp>

#include <map>
#include <string>
#include <vector>

extern std::map<std::string, GLuint> shaders;
extern std::vector<GLuint> subShaders;
extern glm::mat4 projectionMat;
extern glm::mat4 orthoMat;

// One program as assembled from the folder listing: its name and its stage
// files with their GL stage types, in compile order.
struct ShaderProgramPlan {
    std::string name;
    std::vector<std::pair<std::string, GLenum>> stages;
};

// The stage a file is compiled as, from the first stage word found anywhere in
// its name ("vert", "frag", "geom", "tess", "eval"); 0 when it holds none.
GLenum shaderStageForName(const std::string& entry);

// Groups a Shaders/ listing into programs: program name = entry name before its
// first '.', programs in byte order of their names, files of one program in
// listing order. Hidden entries and files without a stage word are left out, and
// so is a program left with no stage at all.
std::vector<ShaderProgramPlan> planShaderPrograms(const std::vector<std::string>& listing);

void setupGL();
// Frames are drawn at XRES x YRES; the last pass onto the window stretches
// them over whatever size the window has (F11 makes it the display's).
void useWindowViewport(SDL_Window* window);
// The window's size in pixels (XRES x YRES without a window).
glm::ivec2 windowSize(SDL_Window* window);
void shutdownGL();
void printLog(GLuint obj);
GLuint loadShader(std::string s, GLenum type);
void setupShaders();
void setupUniforms();
void setupVAO(GLfloat* texCoords, int texSize, GLfloat* vertexCoords, int verSize, GLuint& vao,
              GLuint (&vbo)[2]);
void cleanupShaders();

inline void setModelMatrix(GLuint program, const glm::mat4& m) {
    glUniformMatrix4fv(glGetUniformLocation(program, "modelMatrix"), 1, GL_FALSE, &m[0][0]);
}

inline void setDrawMode(GLuint program, int mode) { glUniform1i(glGetUniformLocation(program, "mode"), mode); }
