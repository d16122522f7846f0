// Plays sounds from the main thread while the audio device's own thread mixes
// them, under ThreadSanitizer: every shared access must be ordered by the audio
// lock (or be atomic, like the master volume).
#include "../unit/WavBytes.h"
#include "sound/Sound.h"

#include <SDL2/SDL.h>
#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <sstream>

static void writeWav(const std::string& path, uint32_t bytes) {
    std::ostringstream o;
    o << wavHeader(2, 16, 22050, bytes);
    for (uint32_t i = 0; i < bytes / 2; i++) writeI16(o, int16_t((i * 37) % 2000 - 1000));
    std::ofstream(path, std::ios::binary) << o.str();
}

int main() {
    mkdir("tsan_sounds", 0755);
    writeWav("tsan_sounds/short.wav", 1000);
    writeWav("tsan_sounds/long.wav", 40000);
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (SDL_Init(SDL_INIT_AUDIO) != 0) {
        fprintf(stderr, "cannot start SDL audio: %s\n", SDL_GetError());
        return 1;
    }
    int mixed = 0;
    {
        SoundManager m("tsan_sounds", true);
        if (!m.deviceOpen) {
            fprintf(stderr, "the dummy audio device did not open\n");
            return 1;
        }
        Uint32 start = SDL_GetTicks();
        int plays = 0;
        while (SDL_GetTicks() - start < 1500) {
            m.play(plays % 2 ? "short" : "long", 0.5f);
            m.setVolume(float(plays % 10) / 10.0f);
            plays++;
            SDL_Delay(2);
        }
        // The callback retires finished sounds, so the queue cannot have kept
        // every play: proof that mixing really ran concurrently.
        SDL_LockAudio();
        mixed = plays - int(m.curSounds.size());
        SDL_UnlockAudio();
        printf("played %d, retired or mixing %d\n", plays, mixed);
    }
    SDL_Quit();
    return mixed > 0 ? 0 : 1;
}
