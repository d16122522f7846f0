// Any byte string as a sound file in Sounds/: loading must never crash or leak,
// and whatever loads must be whole stereo frames that mix safely.
#include "../unit/WorldFixture.h"
#include "sound/Sound.h"

#include <cstdio>
#include <sys/stat.h>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    freopen("/dev/null", "w", stdout);
    mkdir("fuzz_sounds", 0755);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    writeBytes("fuzz_sounds/x.wav", std::string(reinterpret_cast<const char*>(data), size));
    SoundManager m("fuzz_sounds", false);
    if (m.soundLib.empty()) return 0;
    if (m.soundLib[0].dlen % 4 != 0) __builtin_trap();
    m.play("x", 1.0f);
    Uint8 buf[2048];
    for (int i = 0; i < 4 && !m.curSounds.empty(); i++) mixaudio(&m, buf, sizeof buf);
    return 0;
}
