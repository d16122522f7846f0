#include "sound/Sound.h"

#include "util/SafeFile.h"

#include <SDL2/SDL.h>
#include <dirent.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

void scanDirectory(std::vector<std::string>& files, std::string dirr) {
    DIR* dir = opendir(dirr.c_str());
    if (!dir) {
        fprintf(stderr, "Could not open %s Folder!", dirr.c_str());
        return;
    }
    while (struct dirent* ent = readdir(dir))
        if (!isTempSaveName(ent->d_name)) files.push_back(ent->d_name);
    closedir(dir);
}

SoundManager::SoundManager() : vol(0.5f), deviceOpen(false), mixedByCaller(false) {
    loadFolder("Sounds");
    openDevice();
}

SoundManager::SoundManager(const std::string& folder, bool open)
    : vol(0.5f), deviceOpen(false), mixedByCaller(!open) {
    loadFolder(folder);
    if (open) openDevice();
}

SoundManager::~SoundManager() {
    if (deviceOpen && SDL_WasInit(SDL_INIT_AUDIO)) SDL_CloseAudio();
    for (sample& s : soundLib) free(s.data);
}

void SoundManager::loadFolder(const std::string& folder) {
    std::vector<std::string> files;
    scanDirectory(files, folder);
    for (const std::string& f : files) LoadFile(folder + "/" + f);
}

void SoundManager::openDevice() {
    SDL_AudioSpec fmt;
    memset(&fmt, 0, sizeof(fmt));
    fmt.freq = SOUND_RATE;
    fmt.format = AUDIO_S16LSB;
    fmt.channels = SOUND_CHANNELS;
    fmt.samples = SOUND_BUFFER_FRAMES;
    fmt.callback = mixaudio;
    fmt.userdata = this;
    if (SDL_OpenAudio(&fmt, nullptr) < 0) {
        fprintf(stderr, "Unable to open audio: %s\n", SDL_GetError());
    } else {
        deviceOpen = true;
    }
    if (deviceOpen) SDL_PauseAudio(0);
}

// Sounds are modder-replaceable files. The platform's WAV reader trusts the
// chunk lengths it finds and allocates what they claim, so a damaged header could
// ask for gigabytes; check that every chunk fits inside the file first.
static bool readSoundFile(const std::string& path, std::string& bytes) {
    const size_t maxBytes = 64u << 20;
    FILE* f = fopen(path.c_str(), "rb");
    if (!f) return false;
    bytes.clear();
    char buf[65536];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0) {
        bytes.append(buf, n);
        if (bytes.size() > maxBytes) break;
    }
    fclose(f);
    if (bytes.size() > maxBytes || bytes.size() < 12) return false;
    if (bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0) return false;
    size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const unsigned char* p = reinterpret_cast<const unsigned char*>(bytes.data()) + at + 4;
        uint64_t len = uint64_t(p[0]) | uint64_t(p[1]) << 8 | uint64_t(p[2]) << 16 | uint64_t(p[3]) << 24;
        if (at + 8 + len > bytes.size()) return false;
        at += 8 + len + (len & 1);
    }
    return true;
}

void SoundManager::LoadFile(std::string path) {
    if (path.find(".wav") == std::string::npos) return;
    std::string bytes;
    if (!readSoundFile(path, bytes)) {
        fprintf(stderr, "Couldn't load %s: %s\n", path.c_str(), "not a readable WAV file of sane size");
        return;
    }
    SDL_AudioSpec wave;
    Uint8* data = nullptr;
    Uint32 dlen = 0;
    SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), int(bytes.size()));
    if (SDL_LoadWAV_RW(rw, 1, &wave, &data, &dlen) == nullptr) {
        fprintf(stderr, "Couldn't load %s: %s\n", path.c_str(), SDL_GetError());
        return;
    }
    // An empty data chunk comes back without a buffer; there is nothing to play.
    if (dlen == 0 || !data) {
        fprintf(stderr, "Couldn't load %s: %s\n", path.c_str(), "no sound data");
        SDL_FreeWAV(data);
        return;
    }
    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt, wave.format, wave.channels, wave.freq, AUDIO_S16LSB, SOUND_CHANNELS,
                          SOUND_RATE) < 0) {
        fprintf(stderr, "Couldn't load %s: %s\n", path.c_str(), SDL_GetError());
        SDL_FreeWAV(data);
        return;
    }
    cvt.len = int(dlen);
    cvt.buf = static_cast<Uint8*>(malloc(size_t(dlen) * size_t(cvt.len_mult)));
    if (!cvt.buf) {
        fprintf(stderr, "Couldn't load %s: out of memory\n", path.c_str());
        SDL_FreeWAV(data);
        return;
    }
    memcpy(cvt.buf, data, dlen);
    SDL_FreeWAV(data);
    if (cvt.needed && SDL_ConvertAudio(&cvt) < 0) {
        fprintf(stderr, "Couldn't load %s: %s\n", path.c_str(), SDL_GetError());
        free(cvt.buf);
        return;
    }
    Uint32 outLen = cvt.needed ? Uint32(cvt.len_cvt) : dlen;
    // Whole stereo frames only, so the mixer never reads half a sample.
    outLen -= outLen % 4;
    soundLib.push_back(sample{cvt.buf, outLen});
    // The name drops the folder and the ".wav" extension.
    size_t slash = path.find_last_of('/');
    std::string file = slash == std::string::npos ? path : path.substr(slash + 1);
    std::string name = file.size() >= 4 ? file.substr(0, file.size() - 4) : file;
    soundMap[name] = int(soundLib.size()) - 1;
    printf("%s.wav Loaded\n", name.c_str());
}

void SoundManager::play(std::string name, float v) {
    auto it = soundMap.find(name);
    if (it == soundMap.end() || it->second >= int(soundLib.size())) {
        printf("Sound %s was not found\n", name.c_str());
        return;
    }
    if (!(v >= 0)) v = 0;  // NaN or negative volumes play silently
    if (v > MAX_SOUND_VOLUME) v = MAX_SOUND_VOLUME;
    // Without a device nothing would ever mix and retire the entry, so a long
    // silent game would pile them up; just drop the sound.
    if (mixedByCaller) {
        curSounds.push_back(activeSample{0, it->second, v});
        return;
    }
    if (!deviceOpen) return;
    SDL_LockAudio();
    curSounds.push_back(activeSample{0, it->second, v});
    SDL_UnlockAudio();
}

void SoundManager::setVolume(float v) {
    if (!(v >= 0)) v = 0;  // NaN or negative: silence
    if (v > MAX_SOUND_VOLUME) v = MAX_SOUND_VOLUME;
    vol.store(v, std::memory_order_relaxed);
}

// Adds `bytes` of 16-bit samples scaled by volume / 128 into `dst`, clipping
// the sum at full scale. The platform's mixer wraps a scaled sample that
// overflows 16 bits before it clips, which flips loud sounds' sign.
static void mixSaturated(Uint8* dst, const Uint8* src, Uint32 bytes, int volume) {
    for (Uint32 i = 0; i + 1 < bytes; i += 2) {
        int16_t a, b;
        memcpy(&a, dst + i, 2);
        memcpy(&b, src + i, 2);
        int32_t sum = int32_t(a) + int32_t(b) * volume / 128;
        if (sum > INT16_MAX) sum = INT16_MAX;
        if (sum < INT16_MIN) sum = INT16_MIN;
        int16_t out = int16_t(sum);
        memcpy(dst + i, &out, 2);
    }
}

void mixaudio(void* userdata, Uint8* stream, int len) {
    SoundManager* m = static_cast<SoundManager*>(userdata);
    memset(stream, 0, size_t(len));
    for (auto it = m->curSounds.begin(); it != m->curSounds.end();) {
        const sample& s = m->soundLib[size_t(it->index)];
        Uint32 amount = s.dlen - it->dpos;
        if (amount > Uint32(len)) amount = Uint32(len);
        if (amount == 0) {
            it = m->curSounds.erase(it);
            continue;
        }
        int volume = int(128 * it->vol * m->vol.load(std::memory_order_relaxed));
        mixSaturated(stream, s.data + it->dpos, amount, volume);
        it->dpos += amount;
        ++it;
    }
}
