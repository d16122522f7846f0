#include "ShaderPrograms.h"

#include <fstream>
#include <map>
#include <sstream>

namespace {

std::string readFile(const std::string& path, bool& ok) {
    std::ifstream in(path);
    ok = static_cast<bool>(in);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

std::string shaderLog(GLuint s) {
    GLint len = 0;
    glGetShaderiv(s, GL_INFO_LOG_LENGTH, &len);
    if (len <= 1) return "";
    std::string log(static_cast<size_t>(len), '\0');
    glGetShaderInfoLog(s, len, nullptr, &log[0]);
    log.resize(log.find('\0') == std::string::npos ? log.size() : log.find('\0'));
    return log;
}

std::string programLog(GLuint p) {
    GLint len = 0;
    glGetProgramiv(p, GL_INFO_LOG_LENGTH, &len);
    if (len <= 1) return "";
    std::string log(static_cast<size_t>(len), '\0');
    glGetProgramInfoLog(p, len, nullptr, &log[0]);
    log.resize(log.find('\0') == std::string::npos ? log.size() : log.find('\0'));
    return log;
}

struct UniformSpec {
    const char* name;
    GLenum type;
};

const std::map<std::string, std::vector<UniformSpec>>& contract() {
    static const std::map<std::string, std::vector<UniformSpec>> table = {
        {"block",
         {{"projectionMatrix", GL_FLOAT_MAT4}, {"viewMatrix", GL_FLOAT_MAT4},
          {"modelMatrix", GL_FLOAT_MAT4},      {"Sampler", GL_SAMPLER_2D},
          {"shadowMap", GL_SAMPLER_2D},        {"dort", GL_FLOAT_VEC4},
          {"resolution", GL_INT_VEC2},         {"shadowpMatrix", GL_FLOAT_MAT4},
          {"shadowbMatrix", GL_FLOAT_MAT4},    {"shadowvMatrix", GL_FLOAT_MAT4},
          {"shadowBuff", GL_INT_VEC2},         {"time", GL_FLOAT},
          {"depth", GL_FLOAT},                 {"sunPos", GL_FLOAT_VEC3},
          {"playerPos", GL_FLOAT_VEC3},        {"mode", GL_INT},
          {"shiny", GL_FLOAT_VEC2},            {"uColor", GL_FLOAT_VEC3}}},
        {"shadow",
         {{"projectionMatrix", GL_FLOAT_MAT4}, {"viewMatrix", GL_FLOAT_MAT4},
          {"modelMatrix", GL_FLOAT_MAT4}}},
        {"post",
         {{"projectionMatrix", GL_FLOAT_MAT4}, {"modelMatrix", GL_FLOAT_MAT4},
          {"Sampler", GL_SAMPLER_2D}, {"Scene", GL_SAMPLER_2D}, {"mode", GL_INT},
          {"uColor", GL_FLOAT_VEC3}, {"hp", GL_FLOAT}, {"time", GL_FLOAT}}},
    };
    return table;
}

} // namespace

BuiltProgram buildProgram(const std::string& dir, const std::string& name) {
    BuiltProgram out;
    out.name = name;
    out.id = glCreateProgram();
    out.ok = true;
    const std::pair<const char*, GLenum> stages[] = {{".vert", GL_VERTEX_SHADER},
                                                     {".frag", GL_FRAGMENT_SHADER}};
    for (const auto& stage : stages) {
        const std::string path = dir + "/" + name + stage.first;
        bool found = false;
        std::string src = readFile(path, found);
        if (!found) {
            out.ok = false;
            out.log += path + ": cannot be read\n";
            continue;
        }
        GLuint s = glCreateShader(stage.second);
        const char* text = src.c_str();
        glShaderSource(s, 1, &text, nullptr);
        glCompileShader(s);
        GLint compiled = GL_FALSE;
        glGetShaderiv(s, GL_COMPILE_STATUS, &compiled);
        std::string log = shaderLog(s);
        if (!log.empty()) out.log += path + ":\n" + log;
        if (!compiled) out.ok = false;
        glAttachShader(out.id, s);
        glDeleteShader(s);
    }
    glBindAttribLocation(out.id, 0, "in_Position");
    glBindAttribLocation(out.id, 2, "in_Tex");
    glBindAttribLocation(out.id, 3, "in_Norm");
    glLinkProgram(out.id);
    GLint linked = GL_FALSE;
    glGetProgramiv(out.id, GL_LINK_STATUS, &linked);
    std::string log = programLog(out.id);
    if (!log.empty()) out.log += "program " + name + ":\n" + log;
    if (!linked) out.ok = false;
    return out;
}

std::vector<std::string> checkContract(const BuiltProgram& p) {
    std::vector<std::string> problems;
    auto it = contract().find(p.name);
    if (it == contract().end()) return {"no contract for program " + p.name};
    GLint count = 0;
    glGetProgramiv(p.id, GL_ACTIVE_UNIFORMS, &count);
    for (GLint i = 0; i < count; ++i) {
        char buf[256];
        GLint size = 0;
        GLenum type = 0;
        glGetActiveUniform(p.id, static_cast<GLuint>(i), sizeof buf, nullptr, &size, &type, buf);
        std::string uname = buf;
        const UniformSpec* wanted = nullptr;
        for (const UniformSpec& u : it->second)
            if (uname == u.name) wanted = &u;
        if (!wanted)
            problems.push_back(p.name + ": uniform " + uname + " is never set by the game");
        else if (wanted->type != type)
            problems.push_back(p.name + ": uniform " + uname + " has the wrong type");
    }
    GLint attribCount = 0;
    glGetProgramiv(p.id, GL_ACTIVE_ATTRIBUTES, &attribCount);
    for (GLint i = 0; i < attribCount; ++i) {
        char buf[256];
        GLint size = 0;
        GLenum type = 0;
        glGetActiveAttrib(p.id, static_cast<GLuint>(i), sizeof buf, nullptr, &size, &type, buf);
        const std::string aname = buf;
        const GLint want = aname == "in_Position" ? 0 : aname == "in_Tex" ? 2 : aname == "in_Norm" ? 3 : -1;
        if (want < 0)
            problems.push_back(p.name + ": attribute " + aname + " is never fed by the game");
        else if (glGetAttribLocation(p.id, buf) != want)
            problems.push_back(p.name + ": " + aname + " is not at location " + std::to_string(want));
    }
    if (glGetAttribLocation(p.id, "in_Position") != 0)
        problems.push_back(p.name + ": in_Position is not active");
    return problems;
}
