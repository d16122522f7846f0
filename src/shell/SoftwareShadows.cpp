#include "shell/SoftwareShadows.h"

#include <cstdio>

bool isSoftwareRenderer(const std::string& renderer) {
    for (const char* name : {"llvmpipe", "softpipe", "swrast"})
        if (renderer.find(name) != std::string::npos) return true;
    return false;
}

bool preferNoShadowsOnSoftwareGL(GameOptions& options, const std::string& renderer) {
    if (options.properties.count("SHADOWS") || !isSoftwareRenderer(renderer)) return false;
    options.setString("SHADOWS", "0");
    printf("Software OpenGL (%s): shadows off; set SHADOWS in settings.ini to turn them on\n", renderer.c_str());
    return true;
}
