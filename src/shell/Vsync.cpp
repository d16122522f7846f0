#include "shell/Vsync.h"

std::string applyVsync(bool wanted, const std::function<int(int)>& setInterval) {
    if (!wanted) {
        setInterval(0);
        return "Vsync: off";
    }
    if (setInterval(1) == 0) return "Vsync: on";
    if (setInterval(-1) == 0) return "Vsync: adaptive (plain vsync was refused)";
    setInterval(0);
    return "Vsync: off (the driver refused it)";
}
