#pragma once
// Sound effects: every WAV of Sounds/ is loaded once, converted to the output
// format, and mixed by the audio callback when played by name.
#include <SDL2/SDL_audio.h>

#include <atomic>
#include <list>
#include <map>
#include <string>
#include <vector>

struct sample {
    Uint8* data;
    Uint32 dlen;
};

struct activeSample {
    Uint32 dpos;
    int index;
    float vol;
};

class SoundManager {
public:
    // Written by the settings screen while the audio thread mixes.
    std::atomic<float> vol;
    std::vector<sample> soundLib;
    std::list<activeSample> curSounds;
    std::map<std::string, int> soundMap;
    bool deviceOpen;
    // A manager whose callback is driven by hand (tests) queues sounds even
    // without a device.
    bool mixedByCaller;

    SoundManager();
    // A manager that loads from `folder` and opens the device only when asked;
    // without a device the caller drives mixaudio itself (tests).
    SoundManager(const std::string& folder, bool openDevice);
    ~SoundManager();
    SoundManager(const SoundManager&) = delete;
    SoundManager& operator=(const SoundManager&) = delete;

    void LoadFile(std::string path);
    void play(std::string name, float vol);
    void setVolume(float v);

private:
    void loadFolder(const std::string& folder);
    void openDevice();
};

// Output format every sound is converted to on load.
constexpr int SOUND_RATE = 22050;
constexpr int SOUND_CHANNELS = 2;
constexpr int SOUND_BUFFER_FRAMES = 512;
// Louder than this many times full scale is never useful and only distorts:
// callers that compute 1 / distance are capped here.
constexpr float MAX_SOUND_VOLUME = 4.0f;

void mixaudio(void* userdata, Uint8* stream, int len);
void scanDirectory(std::vector<std::string>& files, std::string dirr);

extern SoundManager soundManager;
