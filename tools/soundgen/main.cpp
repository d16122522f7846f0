// soundgen OUTDIR: writes every sound effect of the game as OUTDIR/<name>.wav.
// The output depends on nothing but this code, so every build ships the same files.
#include <cstdio>
#include <string>

#include "Recipes.h"
#include "WavWriter.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: soundgen OUTDIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    int failures = 0;
    for (const soundgen::Recipe& r : soundgen::allRecipes()) {
        const std::string path = dir + "/" + r.name + ".wav";
        if (!soundgen::writeWav(path, r.make())) {
            std::fprintf(stderr, "soundgen: cannot write %s\n", path.c_str());
            ++failures;
        }
    }
    return failures ? 1 : 0;
}
