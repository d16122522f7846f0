// vaskmap: the map tool.
//   vaskmap info FILE     one JSON object describing the map on standard output;
//                         exit 0 when it loads cleanly, 1 when damaged, 2 when unreadable
//   vaskmap publish FILE  mark the map playable (type byte 2)
//   vaskmap draft FILE    mark it as a draft (type byte 1), as the editor saves it
#include "MapJson.h"
#include "MapType.h"

#include "util/SafeFile.h"
#include "world/Block.h"
#include "world/World.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace {

// The game's libraries print progress on standard output ("read a 1", sound
// loading at start-up); the tool's standard output must hold only its answer.
// This runs before the other static objects (the sound manager) are built, and
// also hides their start-up complaints (no Sounds folder) on standard error.
class StdoutMuffle {
public:
    StdoutMuffle() {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        fflush(stdout);
        saved = dup(1);
        savedErr = dup(2);
        int devnull = open("/dev/null", O_WRONLY);
        if (devnull >= 0) {
            dup2(devnull, 1);
            dup2(devnull, 2);
            close(devnull);
        }
    }
    void releaseErrors() {
        if (savedErr >= 0) {
            dup2(savedErr, 2);
            close(savedErr);
            savedErr = -1;
        }
    }
    void release() {
        fflush(stdout);
        if (saved >= 0) {
            dup2(saved, 1);
            close(saved);
            saved = -1;
        }
    }

private:
    int saved, savedErr;
};

__attribute__((init_priority(101))) StdoutMuffle muffle;

int usage() {
    muffle.release();
    fprintf(stderr,
            "usage: vaskmap info FILE      describe the map as JSON (exit 0 clean, 1 damaged, 2 unreadable)\n"
            "       vaskmap publish FILE   mark the map playable (map type 2)\n"
            "       vaskmap draft FILE     mark the map as a draft (map type 1)\n");
    return 2;
}


int info(const std::string& path) {
    std::string probe;
    if (!readWholeFile(path, probe)) {
        muffle.release();
        fprintf(stderr, "vaskmap: cannot read %s\n", path.c_str());
        return 2;
    }
    setupBlockAttribs();
    World w(0, 0, 0, nullptr);
    bool clean = w.read(path);
    std::string json = describeMap(w, clean);
    muffle.release();
    printf("%s\n", json.c_str());
    return clean ? 0 : 1;
}

int setType(const std::string& path, char type) {
    muffle.release();
    std::string bytes;
    if (!readWholeFile(path, bytes)) {
        fprintf(stderr, "vaskmap: cannot read %s\n", path.c_str());
        return 2;
    }
    long long at = mapTypeOffset(bytes);
    if (at < 0) {
        fprintf(stderr, "vaskmap: %s is damaged: no map type byte found\n", path.c_str());
        return 1;
    }
    bytes[size_t(at)] = type;
    if (!writeFileAtomically(path, bytes)) return 2;
    printf("%s: map type %d\n", path.c_str(), int(type));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    muffle.releaseErrors();
    if (argc != 3) return usage();
    std::string command = argv[1], path = argv[2];
    if (command == "info") return info(path);
    if (command == "publish") return setType(path, 2);
    if (command == "draft") return setType(path, 1);
    return usage();
}
