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

ShaderFailure judgeShaders(bool folderFound, const std::map<std::string, bool>& linked) {
    ShaderFailure f;
    f.folderMissing = !folderFound;
    if (f.folderMissing) return f;
    for (const std::string& name : REQUIRED_PROGRAMS) {
        auto it = linked.find(name);
        if (it == linked.end()) f.missing.push_back(name);
        else if (!it->second) f.broken.push_back(name);
    }
    // A modder's extra program is never drawn with, but a broken one is still
    // worth saying: its author is looking at this screen.
    for (const auto& [name, ok] : linked)
        if (!ok && std::find(REQUIRED_PROGRAMS.begin(), REQUIRED_PROGRAMS.end(), name) == REQUIRED_PROGRAMS.end())
            f.broken.push_back(name);
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
    if (!broken.empty())
        s += "The shader " + std::string(broken.size() == 1 ? "program " : "programs ") + joined(broken) +
             " in the folder Shaders did not compile or link; the errors are on standard error. ";
    if (!s.empty()) s += "Fix the files, or reinstall the game's Shaders folder.";
    return s;
}

ShaderFailure checkShaderPrograms() {
    DIR* dir = opendir("Shaders");
    if (dir) closedir(dir);
    std::map<std::string, bool> linked;
    for (const auto& [name, id] : shaders) {
        // A lookup of a program that was never made leaves a zero entry behind.
        if (id == 0) continue;
        GLint status = GL_FALSE;
        glGetProgramiv(id, GL_LINK_STATUS, &status);
        linked[name] = status == GL_TRUE;
    }
    return judgeShaders(dir != nullptr, linked);
}
