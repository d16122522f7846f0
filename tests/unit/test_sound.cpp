#include "CaptureOutput.h"
#include "WavBytes.h"
#include "sound/Sound.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

// A 22050 Hz, 16-bit stereo WAV (the output format, so loading converts nothing)
// of `bytes` bytes of a constant sample value.
void writeWav(const std::string& path, uint32_t bytes, int16_t value) {
    std::ostringstream o;
    o << wavHeader(2, 16, 22050, bytes);
    for (uint32_t i = 0; i < bytes / 2; i++) writeI16(o, value);
    std::ofstream(path, std::ios::binary) << o.str();
}

std::string makeSoundFolder() {
    mkdir("snd_test", 0755);
    writeWav("snd_test/place1.wav", 3000, 1000);
    writeWav("snd_test/LH1.wav", 400, 1000);
    std::ofstream("snd_test/readme.txt") << "not a sound";
    std::ofstream("snd_test/broken.wav") << "RIFF nonsense";
    return "snd_test";
}

}  // namespace

TEST(Sound, LoadsNamedByFileAndSkipsOthers) {
    std::string folder = makeSoundFolder();
    CaptureOutput captured;
    SoundManager m(folder, false);
    std::string out = captured.text(), err = captured.errors();
    EXPECT_NE(out.find("place1.wav Loaded\n"), std::string::npos);
    EXPECT_NE(out.find("LH1.wav Loaded\n"), std::string::npos);
    EXPECT_NE(err.find("Couldn't load snd_test/broken.wav"), std::string::npos);
    EXPECT_EQ(m.soundLib.size(), 2u);
    ASSERT_EQ(m.soundMap.count("place1"), 1u);
    EXPECT_EQ(m.soundLib[size_t(m.soundMap["place1"])].dlen, 3000u);
}

TEST(Sound, UnknownNameIsReportedAndQueuesNothing) {
    SoundManager m(makeSoundFolder(), false);
    testing::internal::CaptureStdout();
    m.play("nothing", 1.0f);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Sound nothing was not found\n");
    EXPECT_TRUE(m.curSounds.empty());
}

TEST(Sound, MixesInBufferSizedStepsThenRetires) {
    SoundManager m(makeSoundFolder(), false);
    m.setVolume(0.5f);
    m.play("place1", 1.0f);
    ASSERT_EQ(m.curSounds.size(), 1u);
    Uint8 buf[2048];
    mixaudio(&m, buf, 2048);
    EXPECT_EQ(m.curSounds.front().dpos, 2048u);
    // Volume 128 * 1.0 * 0.5 = 64: half of the sample value.
    int16_t first;
    memcpy(&first, buf, 2);
    EXPECT_EQ(first, 500);
    mixaudio(&m, buf, 2048);
    EXPECT_EQ(m.curSounds.front().dpos, 3000u);
    memcpy(&first, buf + 952, 2);
    EXPECT_EQ(first, 0);  // silence after the sound's end
    mixaudio(&m, buf, 2048);
    EXPECT_TRUE(m.curSounds.empty());
}

TEST(Sound, OverlappingSoundsStartTogetherAndVolumesAreSafe) {
    SoundManager m(makeSoundFolder(), false);
    m.setVolume(1.0f);
    m.play("LH1", 1.0f);
    m.play("LH1", 1.0f);
    Uint8 buf[512];
    mixaudio(&m, buf, 512);
    int16_t s;
    memcpy(&s, buf, 2);
    EXPECT_EQ(s, 2000);  // both began at the start of the buffer
    // A weapon at distance 0 asks for an infinite volume: capped, never NaN.
    m.play("LH1", 1.0f / 0.0f);
    m.play("LH1", std::nanf(""));
    EXPECT_LE(m.curSounds.back().vol, MAX_SOUND_VOLUME);
    auto it = std::prev(m.curSounds.end(), 2);
    EXPECT_FLOAT_EQ(it->vol, MAX_SOUND_VOLUME);
    EXPECT_FLOAT_EQ(m.curSounds.back().vol, 0.0f);
}

// A loud sound near the player at the highest master volume clips at full
// scale; it must never come out with its sign flipped (a harsh crack).
TEST(Sound, LoudMixesClipInsteadOfWrapping) {
    mkdir("snd_loud", 0755);
    writeWav("snd_loud/LH1.wav", 400, 20000);
    writeWav("snd_loud/SD.wav", 400, -20000);
    SoundManager m("snd_loud", false);
    m.setVolume(4.0f);
    m.play("LH1", MAX_SOUND_VOLUME);
    m.play("LH1", 1.0f);
    Uint8 buf[400];
    mixaudio(&m, buf, 400);
    for (size_t i = 0; i < 400; i += 2) {
        int16_t s;
        memcpy(&s, buf + i, 2);
        ASSERT_EQ(s, 32767) << i;
    }
    m.play("SD", MAX_SOUND_VOLUME);
    mixaudio(&m, buf, 400);
    int16_t s;
    memcpy(&s, buf, 2);
    EXPECT_EQ(s, -32768);

    // The setting is kept to 0..4, and one that is not a number is silence.
    m.setVolume(100.0f);
    EXPECT_FLOAT_EQ(m.vol, 4.0f);
    m.setVolume(-1.0f);
    EXPECT_FLOAT_EQ(m.vol, 0.0f);
    m.setVolume(std::nanf(""));
    EXPECT_FLOAT_EQ(m.vol, 0.0f);
}

TEST(Sound, ScanDirectoryListsEntriesOrReports) {
    makeSoundFolder();
    std::vector<std::string> files;
    scanDirectory(files, "snd_test");
    EXPECT_NE(std::find(files.begin(), files.end(), "."), files.end());
    EXPECT_NE(std::find(files.begin(), files.end(), "place1.wav"), files.end());
    std::vector<std::string> none;
    testing::internal::CaptureStderr();
    scanDirectory(none, "no_such_dir");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Could not open no_such_dir Folder!");
    EXPECT_TRUE(none.empty());
}

// Found by fuzzing, both refused before they reach the platform's WAV reader:
// a data chunk claiming 2.5 GB made that reader allocate it, and an empty data
// chunk handed the converter no buffer at all (a null copy source).
TEST(Sound, DamagedChunksAreRefused) {
    const unsigned char huge[] = {'R', 'I', 'F', 'F', 0xb4, 0x01, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't',
                                  ' ', 0x10, 0, 0, 0, 1, 0, 2, 0, 0x22, 0x56, 0, 0, 0x88, 0x58, 1, 0,
                                  4, 0, 0x10, 0, 'd', 'a', 't', 'a', 0x8b, 0x92, 0xda, 0x99};
    std::ostringstream empty;
    empty << wavHeader(1, 8, 11025, 0, 8 + 300);  // mono, 8 bits, 11025 Hz: converted on load
    empty.write("junk", 4);
    writeU32(empty, 300);
    empty << std::string(300, '\x40');
    mkdir("snd_bad", 0755);
    for (const std::string& bytes : {std::string(reinterpret_cast<const char*>(huge), sizeof huge), empty.str()}) {
        std::ofstream("snd_bad/x.wav", std::ios::binary) << bytes;
        CaptureOutput out;
        SoundManager m("snd_bad", false);
        EXPECT_TRUE(m.soundLib.empty());
        EXPECT_NE(out.errors().find("Couldn't load snd_bad/x.wav"), std::string::npos) << out.errors();
    }
}
