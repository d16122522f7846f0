#include "render/ShaderHelp.h"

#include "render/GlMesh.h"
#include "shell/GameOptions.h"
#include "sound/Sound.h"

#include <GL/glu.h>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/type_ptr.hpp>

#include <cstdio>
#include <fstream>
#include <iostream>

std::map<std::string, GLuint> shaders;
std::vector<GLuint> subShaders;
glm::mat4 projectionMat(1.0f);
glm::mat4 orthoMat(1.0f);

GLenum shaderStageForName(const std::string& entry) {
    static const std::pair<const char*, GLenum> words[] = {
        {"vert", GL_VERTEX_SHADER},       {"frag", GL_FRAGMENT_SHADER},
        {"geom", GL_GEOMETRY_SHADER},     {"tess", GL_TESS_CONTROL_SHADER},
        {"eval", GL_TESS_EVALUATION_SHADER},
    };
    for (const auto& w : words)
        if (entry.find(w.first) != std::string::npos) return w.second;
    return 0;
}

std::vector<ShaderProgramPlan> planShaderPrograms(const std::vector<std::string>& listing) {
    // multimap keeps equal keys in insertion order, so one program's files stay
    // in listing order while programs come out sorted by name.
    std::multimap<std::string, std::string> byProgram;
    for (const std::string& entry : listing) byProgram.emplace(entry.substr(0, entry.find('.')), entry);

    std::vector<ShaderProgramPlan> plans;
    for (const auto& [program, entry] : byProgram) {
        if (!entry.empty() && entry[0] == '.') continue;
        GLenum stage = shaderStageForName(entry);
        // A README or backup file in the folder is not a stage; compiling it
        // would only produce an error log and a broken program.
        if (stage == 0) continue;
        if (plans.empty() || plans.back().name != program) plans.push_back({program, {}});
        plans.back().stages.emplace_back(entry, stage);
    }
    return plans;
}

glm::ivec2 windowSize(SDL_Window* window) {
    int w = 0, h = 0;
    if (window) SDL_GL_GetDrawableSize(window, &w, &h);
    if (w <= 0 || h <= 0) return {gameOptions.getInt("XRES", 800), gameOptions.getInt("YRES", 600)};
    return {w, h};
}

void useWindowViewport(SDL_Window* window) {
    glm::ivec2 size = windowSize(window);
    glViewport(0, 0, size.x, size.y);
}

void setupGL() {
    int xres = gameOptions.getInt("XRES", 800);
    int yres = gameOptions.getInt("YRES", 600);
    glClearColor(0.5f, 0.5f, 1.0f, 1.0f);
    glClearDepth(1.0);
    glViewport(0, 0, xres, yres);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(57.0, double(xres) / double(yres), 2.0, 2550.0);
    glMatrixMode(GL_MODELVIEW);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glDepthFunc(GL_LEQUAL);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    setupShaders();
    glLoadIdentity();
}

void shutdownGL() { cleanupShaders(); }

void printLog(GLuint obj) {
    bool isShader = glIsShader(obj);
    GLint length = 0;
    if (isShader) glGetShaderiv(obj, GL_INFO_LOG_LENGTH, &length);
    else glGetProgramiv(obj, GL_INFO_LOG_LENGTH, &length);
    if (length <= 0) return;
    std::string log(size_t(length), '\0');
    GLsizei written = 0;
    if (isShader) glGetShaderInfoLog(obj, length, &written, &log[0]);
    else glGetProgramInfoLog(obj, length, &written, &log[0]);
    if (written > 0) std::cerr << log.substr(0, size_t(written)) << std::endl;
}

GLuint loadShader(std::string s, GLenum type) {
    std::ifstream in(s);
    std::string text, line;
    while (in.good()) {
        std::getline(in, line);
        text += line + "\n";
    }
    const GLchar* source = text.c_str();
    GLuint shader = glCreateShader(type);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    printLog(shader);
    return shader;
}

static void finishProgram(GLuint program) {
    glBindAttribLocation(program, 0, "in_Position");
    glBindAttribLocation(program, 2, "in_Tex");
    glBindAttribLocation(program, 3, "in_Norm");
    glLinkProgram(program);
    printLog(program);
}

void setupShaders() {
    std::vector<std::string> listing;
    scanDirectory(listing, "Shaders");
    for (const ShaderProgramPlan& plan : planShaderPrograms(listing)) {
        GLuint program = glCreateProgram();
        shaders[plan.name] = program;
        for (const auto& [file, stage] : plan.stages) {
            GLuint id = loadShader("Shaders/" + file, stage);
            glAttachShader(program, id);
            subShaders.push_back(id);
        }
        finishProgram(program);
    }
    for (const auto& [name, id] : shaders) std::cout << "loaded program " << name << " : " << id << std::endl;
}

static GLint loc(const char* program, const char* uniform) {
    return glGetUniformLocation(shaders[program], uniform);
}

void setupUniforms() {
    int xres = gameOptions.getInt("XRES", 800);
    int yres = gameOptions.getInt("YRES", 600);
    float fov = gameOptions.getFloat("FOV", 57.0f);
    glm::mat4 identity(1.0f);

    glUseProgram(shaders["block"]);
    projectionMat = glm::perspective(glm::radians(fov), float(xres) / float(yres), 0.5f, 1000.0f);
    orthoMat = glm::ortho(0.0f, 100.0f, 0.0f, 100.0f, 1.0f, 500.0f);
    glUniformMatrix4fv(loc("block", "projectionMatrix"), 1, GL_FALSE, glm::value_ptr(projectionMat));
    glUseProgram(shaders["shadow"]);
    glUniformMatrix4fv(loc("shadow", "projectionMatrix"), 1, GL_FALSE, glm::value_ptr(projectionMat));

    glUseProgram(shaders["block"]);
    glUniformMatrix4fv(loc("block", "modelMatrix"), 1, GL_FALSE, glm::value_ptr(identity));
    glUniformMatrix4fv(loc("block", "viewMatrix"), 1, GL_FALSE, glm::value_ptr(identity));
    glUniform1i(loc("block", "Sampler"), 0);
    glUniform1i(loc("block", "shadowMap"), 1);
    glUniform4f(loc("block", "dort"), 0.95f, -1.0f, 0.0f, -1.5f);
    glUniform2i(loc("block", "resolution"), xres, yres);

    glUseProgram(shaders["post"]);
    glUniformMatrix4fv(loc("post", "projectionMatrix"), 1, GL_FALSE, glm::value_ptr(orthoMat));
    glUniformMatrix4fv(loc("post", "modelMatrix"), 1, GL_FALSE, glm::value_ptr(identity));
    glUniform1i(loc("post", "Sampler"), 0);
    glUniform1i(loc("post", "Scene"), 2);
    glUseProgram(0);
}

void setupVAO(GLfloat* texCoords, int texSize, GLfloat* vertexCoords, int verSize, GLuint& vao,
              GLuint (&vbo)[2]) {
    makeStaticMesh(vao, vbo, {{0, 3, vertexCoords, size_t(verSize)}, {2, 2, texCoords, size_t(texSize)}});
}

void cleanupShaders() {
    for (const auto& [name, id] : shaders) glDeleteProgram(id);
    for (GLuint id : subShaders) glDeleteShader(id);
    shaders.clear();
    subShaders.clear();
}
