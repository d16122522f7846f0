#include "util/FirstFrameClock.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

void noteFirstFrame() {
    static bool done = false;
    if (done) return;
    done = true;
    if (!getenv("VASK_FIRST_FRAME_CLOCK")) return;
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    printf("first frame at %ld.%09ld\n", long(now.tv_sec), long(now.tv_nsec));
    fflush(stdout);
}
