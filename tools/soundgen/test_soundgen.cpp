// Runs the real generator and checks its files the way the game will use them:
// loaded with SDL_LoadWAV and converted to the mixer's format.
#include <SDL2/SDL.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

const char* const kNames[] = {"ON",  "OFF", "dead", "SH1",   "LH1", "LH2",    "LH3",
                              "LH4", "SG1", "SD",   "break", "RM2", "place1", "place3"};

struct Pcm {
    int channels = 0;
    int rate = 0;
    std::vector<int16_t> samples;  // interleaved
    float seconds() const { return static_cast<float>(samples.size()) / channels / rate; }
};

std::string makeTempDir() {
    char tmpl[] = "/tmp/soundgen_testXXXXXX";
    const char* dir = mkdtemp(tmpl);
    return dir ? dir : "";
}

int runGenerator(const std::string& dir) {
    std::string cmd = std::string("\"") + SOUNDGEN_EXE + "\" \"" + dir + "\" 2>/dev/null";
    return std::system(cmd.c_str());
}

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool loadPcm(const std::string& path, Pcm& out) {
    SDL_AudioSpec format;
    Uint8* buf = nullptr;
    Uint32 len = 0;
    if (!SDL_LoadWAV(path.c_str(), &format, &buf, &len)) return false;
    bool ok = format.format == AUDIO_S16LSB;
    if (ok) {
        out.channels = format.channels;
        out.rate = format.freq;
        out.samples.resize(len / 2);
        SDL_memcpy(out.samples.data(), buf, len);
    }
    SDL_FreeWAV(buf);
    return ok;
}

// Zero crossings per second over a slice of one channel: a rough measure of
// where the energy sits in the spectrum, enough to tell a rise from a fall.
float crossingRate(const Pcm& p, float from, float to) {
    int a = static_cast<int>(from * p.rate), b = static_cast<int>(to * p.rate);
    int crossings = 0;
    for (int i = a + 1; i < b; ++i) {
        int16_t x0 = p.samples[static_cast<size_t>(i - 1) * p.channels];
        int16_t x1 = p.samples[static_cast<size_t>(i) * p.channels];
        if ((x0 < 0) != (x1 < 0)) ++crossings;
    }
    return crossings / (to - from);
}

class SoundFiles : public ::testing::Test {
protected:
    static std::string dirA, dirB;
    static int rcA, rcB;
    static void SetUpTestSuite() {
        dirA = makeTempDir();
        dirB = makeTempDir();
        rcA = runGenerator(dirA);
        rcB = runGenerator(dirB);
    }
    static void TearDownTestSuite() {
        for (const std::string& d : {dirA, dirB}) {
            for (const char* n : kNames) unlink((d + "/" + n + ".wav").c_str());
            rmdir(d.c_str());
        }
    }
    static Pcm load(const char* name) {
        Pcm p;
        EXPECT_TRUE(loadPcm(dirA + "/" + name + ".wav", p)) << name << ": " << SDL_GetError();
        return p;
    }
};
std::string SoundFiles::dirA, SoundFiles::dirB;
int SoundFiles::rcA = -1, SoundFiles::rcB = -1;

TEST_F(SoundFiles, EverySoundLoadsAndConvertsToTheMixerFormat) {
    ASSERT_EQ(rcA, 0);
    for (const char* name : kNames) {
        SCOPED_TRACE(name);
        Pcm p = load(name);
        ASSERT_FALSE(p.samples.empty());
        EXPECT_TRUE(p.channels == 1 || p.channels == 2);
        EXPECT_TRUE(p.rate == 22050 || p.rate == 44100);
        EXPECT_GE(p.seconds(), 0.1f);
        EXPECT_LE(p.seconds(), 1.2f);
        SDL_AudioCVT cvt;
        EXPECT_GE(SDL_BuildAudioCVT(&cvt, AUDIO_S16LSB, static_cast<Uint8>(p.channels), p.rate,
                                    AUDIO_S16LSB, 2, 22050),
                  0);
    }
}

TEST_F(SoundFiles, LevelsLeaveHeadroomAndEdgesAreSilent) {
    for (const char* name : kNames) {
        SCOPED_TRACE(name);
        Pcm p = load(name);
        ASSERT_FALSE(p.samples.empty());
        int peak = 0;
        double sum = 0.0;
        for (int16_t s : p.samples) {
            peak = std::max(peak, std::abs(static_cast<int>(s)));
            sum += s;
        }
        EXPECT_LT(peak, 32767 * 0.9);
        EXPECT_GT(peak, 32767 * 0.5) << "too quiet to hear over the game";
        // Neither end may jump: the mixer starts and stops sounds mid-buffer.
        for (int c = 0; c < p.channels; ++c) {
            EXPECT_LT(std::abs(p.samples[static_cast<size_t>(c)]), 100);
            EXPECT_LT(std::abs(p.samples[p.samples.size() - static_cast<size_t>(p.channels - c)]), 100);
        }
        EXPECT_LT(std::fabs(sum / p.samples.size()), 300.0) << "DC offset";
    }
}

TEST_F(SoundFiles, TwoRunsWriteIdenticalBytes) {
    ASSERT_EQ(rcA, 0);
    ASSERT_EQ(rcB, 0);
    for (const char* name : kNames) {
        std::string a = readBytes(dirA + "/" + name + ".wav");
        std::string b = readBytes(dirB + "/" + name + ".wav");
        EXPECT_FALSE(a.empty()) << name;
        EXPECT_TRUE(a == b) << name << " differs between runs";
    }
}

TEST_F(SoundFiles, ChimesAndShotsMoveInTheirDirection) {
    Pcm on = load("ON"), off = load("OFF");
    EXPECT_GT(crossingRate(on, 0.3f, 0.5f), 1.3f * crossingRate(on, 0.0f, 0.08f)) << "ON must rise";
    EXPECT_LT(crossingRate(off, 0.4f, 0.7f), 0.7f * crossingRate(off, 0.0f, 0.08f)) << "OFF must fall";
    std::vector<std::string> shots;
    for (const char* name : {"LH1", "LH2", "LH3", "LH4"}) {
        SCOPED_TRACE(name);
        Pcm p = load(name);
        float end = p.seconds();
        EXPECT_LT(crossingRate(p, 0.6f * end, end), 0.6f * crossingRate(p, 0.0f, 0.3f * end))
            << "a laser shot sweeps down";
        shots.push_back(readBytes(dirA + "/" + name + ".wav"));
    }
    for (size_t i = 0; i < shots.size(); ++i)
        for (size_t j = i + 1; j < shots.size(); ++j)
            EXPECT_NE(shots[i], shots[j]) << "LH" << i + 1 << " and LH" << j + 1 << " are the same";
}

TEST(SoundGenerator, ReportsFailureWhenTheFolderIsMissing) {
    EXPECT_NE(runGenerator("/nonexistent/soundgen/folder"), 0);
}

} // namespace
