#pragma once
// Builds the game's GLSL programs exactly as the game does (attributes bound by
// name before linking) and checks them against the uniforms the game sets.
#include <GL/glew.h>

#include <string>
#include <vector>

struct BuiltProgram {
    std::string name;
    GLuint id = 0;
    bool ok = false;   // every stage compiled and the program linked
    std::string log;   // compile and link logs; must stay empty
};

// Compiles dir/name.vert and dir/name.frag and links them.
BuiltProgram buildProgram(const std::string& dir, const std::string& name);

// Every active uniform must be one the game sets for this program, with the
// type it is set as; the attributes must sit at their fixed locations.
std::vector<std::string> checkContract(const BuiltProgram& p);
