#include "render/ShaderCheck.h"

#include "render/ShaderHelp.h"

#include <algorithm>
#include <dirent.h>

const std::vector<std::string> REQUIRED_PROGRAMS = {"block", "post", "shadow"};

namespace {
std::string joined(const std::vector<std::string>& names) {
    std::string s;
    for (size_t i = 0; i < names.size(); i++) {
        if (i > 0) s += i + 1 == names.size() ? " and " : ", ";
        s += names[i];
    }
    return s;
}
}  // namespace

ShaderFailure judgeShaders(bool folderFound, const std::map<std::string, ProgramState>& programs) {
    ShaderFailure f;
    f.folderMissing = !folderFound;
    if (f.folderMissing) return f;
    auto required = [](const std::string& name) {
        return std::find(REQUIRED_PROGRAMS.begin(), REQUIRED_PROGRAMS.end(), name) != REQUIRED_PROGRAMS.end();
    };
    for (const std::string& name : REQUIRED_PROGRAMS)
        if (!programs.count(name)) f.missing.push_back(name);
    // A modder's extra program is never drawn with, but a broken one is still
    // worth saying: its author is the one looking at this screen.
    for (bool needed : {true, false})
        for (const auto& [name, state] : programs)
            if (!state.linked && required(name) == needed) {
                f.broken.push_back(name);
                if (f.firstError.empty()) f.firstError = state.error;
            }
    return f;
}

std::string ShaderFailure::message() const {
    if (folderMissing)
        return "The folder Shaders is missing beside the game, so nothing can be drawn. "
               "Reinstall the game, or copy its Shaders folder back next to the vask program.";
    std::string s;
    if (!missing.empty())
        s += "The folder Shaders has no " + joined(missing) + (missing.size() == 1 ? " program" : " programs") +
             " (files such as " + missing.front() + ".vert and " + missing.front() + ".frag). ";
    if (!broken.empty()) {
        s += "The shader " + std::string(broken.size() == 1 ? "program " : "programs ") + joined(broken) +
             " in the folder Shaders did not compile or link";
        s += firstError.empty() ? ". " : " (" + broken.front() + ", " + firstError + "). ";
    }
    if (!s.empty()) s += "Fix the files, or reinstall the game's Shaders folder. Standard error has every message.";
    return s;
}

namespace {

std::string firstLine(const std::string& log) {
    size_t start = log.find_first_not_of(" \t\r\n");
    if (start == std::string::npos) return "";
    return log.substr(start, log.find('\n', start) - start);
}

std::string infoLog(GLuint id, bool program) {
    GLint length = 0;
    if (program) glGetProgramiv(id, GL_INFO_LOG_LENGTH, &length);
    else glGetShaderiv(id, GL_INFO_LOG_LENGTH, &length);
    if (length <= 0) return "";
    std::string log(size_t(length), '\0');
    GLsizei written = 0;
    if (program) glGetProgramInfoLog(id, length, &written, &log[0]);
    else glGetShaderInfoLog(id, length, &written, &log[0]);
    return log.substr(0, size_t(written));
}

// Why a program did not link: its first stage that did not compile says it
// best, else the linker.
std::string programError(GLuint program) {
    GLuint stages[8];
    GLsizei count = 0;
    glGetAttachedShaders(program, 8, &count, stages);
    for (GLsizei i = 0; i < count; i++) {
        GLint compiled = GL_FALSE, type = 0;
        glGetShaderiv(stages[i], GL_COMPILE_STATUS, &compiled);
        if (compiled) continue;
        glGetShaderiv(stages[i], GL_SHADER_TYPE, &type);
        const char* stage = type == GL_VERTEX_SHADER ? "vertex stage" : type == GL_FRAGMENT_SHADER ? "fragment stage"
                                                                                                     : "a stage";
        return std::string(stage) + ": " + firstLine(infoLog(stages[i], false));
    }
    return "linking: " + firstLine(infoLog(program, true));
}

}  // namespace

ShaderFailure checkShaderPrograms() {
    DIR* dir = opendir("Shaders");
    if (dir) closedir(dir);
    std::map<std::string, ProgramState> programs;
    for (const auto& [name, id] : shaders) {
        // A lookup of a program that was never made leaves a zero entry behind.
        if (id == 0) continue;
        GLint status = GL_FALSE;
        glGetProgramiv(id, GL_LINK_STATUS, &status);
        ProgramState& state = programs[name];
        state.linked = status == GL_TRUE;
        if (!state.linked) state.error = programError(id);
    }
    return judgeShaders(dir != nullptr, programs);
}
