// Texture names and lookup, the PNG decoder front-end on images written here,
// and the text renderer's sheet coordinates and word wrapping. All headless.
#include "CaptureOutput.h"
#include "PngFile.h"
#include "WorldFixture.h"
#include "render/Textures.h"

#include <gtest/gtest.h>

#include <set>

#include <cstdio>
#include <functional>

namespace {

// Runs `f` and returns what it wrote on standard error.
std::string captureStderr(const std::function<void()>& f) {
    CaptureOutput out;
    f();
    return out.errors();
}

void writePng(const std::string& path, unsigned w, unsigned h, int colorType, int bitDepth,
              const std::vector<unsigned char>& data, const std::vector<png_color>& palette = {}) {
    ASSERT_TRUE(writePngFile(path, w, h, colorType, bitDepth, data, palette)) << path;
}

}  // namespace

TEST(Textures, NamesCutTheLastFourCharacters) {
    EXPECT_EQ(textureNameFor("grass2.png"), "grass2");
    EXPECT_EQ(textureNameFor("sky.jpeg"), "sky.");
    EXPECT_EQ(textureNameFor("abcd"), "");
    EXPECT_EQ(textureNameFor("ab"), "ab");
    EXPECT_EQ(textureNameFor(".."), "..");
}

TEST(Textures, LookupFallsBackToDne) {
    std::map<std::string, GLuint> saved;
    saved.swap(loadedTextures);
    loadedTextures = {{"stone", 3}, {"dne", 7}};
    EXPECT_EQ(getTexture("stone"), 3u);
    EXPECT_EQ(getTexture("nothing"), 7u);
    EXPECT_EQ(getTexture("Stone"), 7u);  // names are case-sensitive
    loadedTextures.erase("dne");
    EXPECT_EQ(getTexture("nothing"), 0u);
    loadedTextures.swap(saved);
}

TEST(Textures, GrayAndPaletteBecomeOpaqueRgba) {
    writePng("gray.png", 2, 2, PNG_COLOR_TYPE_GRAY, 8, {10, 20, 30, 40});
    DecodedImage img;
    ASSERT_TRUE(decodePNG("gray.png", img));
    EXPECT_TRUE(img.alpha);
    EXPECT_EQ(img.rowBytes, 8u);
    ASSERT_EQ(img.pixels.size(), 16u);
    // Bottom-right pixel: top row first, so it is the last one.
    EXPECT_EQ(std::vector<unsigned char>(img.pixels.begin() + 12, img.pixels.end()),
              (std::vector<unsigned char>{40, 40, 40, 255}));

    writePng("pal.png", 2, 1, PNG_COLOR_TYPE_PALETTE, 8, {1, 0}, {{200, 0, 0}, {0, 100, 50}});
    ASSERT_TRUE(decodePNG("pal.png", img));
    EXPECT_TRUE(img.alpha);
    EXPECT_EQ(std::vector<unsigned char>(img.pixels.begin(), img.pixels.end()),
              (std::vector<unsigned char>{0, 100, 50, 255, 200, 0, 0, 255}));

    writePng("ga.png", 1, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 8, {77, 128});
    ASSERT_TRUE(decodePNG("ga.png", img));
    EXPECT_EQ(std::vector<unsigned char>(img.pixels.begin(), img.pixels.end()),
              (std::vector<unsigned char>{77, 77, 77, 128}));
}

TEST(Textures, RgbRowsArePaddedAndSixteenBitsReduced) {
    std::vector<unsigned char> rgb;
    for (int i = 0; i < 18; i++) rgb.push_back((unsigned char)(i * 10));
    writePng("rgb.png", 3, 2, PNG_COLOR_TYPE_RGB, 8, rgb);
    DecodedImage img;
    ASSERT_TRUE(decodePNG("rgb.png", img));
    EXPECT_FALSE(img.alpha);
    EXPECT_EQ(img.rowBytes, 12u);  // 9 bytes of pixels, padded to 4
    ASSERT_EQ(img.pixels.size(), 24u);
    EXPECT_EQ(img.pixels[8], 80);
    EXPECT_EQ(img.pixels[12], 90);  // the second row starts after the padding

    // 16-bit RGBA: each sample's high byte survives.
    writePng("deep.png", 1, 1, PNG_COLOR_TYPE_RGB_ALPHA, 16, {0x12, 0x34, 0xab, 0xcd, 0xff, 0x00, 0x80, 0x01});
    ASSERT_TRUE(decodePNG("deep.png", img));
    EXPECT_TRUE(img.alpha);
    EXPECT_EQ(img.rowBytes, 4u);
    EXPECT_EQ(std::vector<unsigned char>(img.pixels.begin(), img.pixels.end()),
              (std::vector<unsigned char>{0x12, 0xab, 0xff, 0x80}));
}

TEST(Textures, BadFilesAreRefusedWithAMessage) {
    DecodedImage img;
    writeBytes("text.png", "this is not an image at all");
    EXPECT_EQ(captureStderr([&] { EXPECT_FALSE(decodePNG("text.png", img)); }),
              "error: text.png is not a PNG.\n");

    std::string missing = captureStderr([&] { EXPECT_FALSE(decodePNG("no_such_file.png", img)); });
    EXPECT_EQ(missing, "no_such_file.png: No such file or directory\n");

    writePng("wide.png", 9000, 1, PNG_COLOR_TYPE_GRAY, 8, std::vector<unsigned char>(9000, 1));
    std::string wide = captureStderr([&] { EXPECT_FALSE(decodePNG("wide.png", img)); });
    EXPECT_NE(wide.find("larger than 8192"), std::string::npos) << wide;
    EXPECT_TRUE(img.pixels.empty());

    // A file cut inside its image data fails inside libpng.
    std::vector<unsigned char> noise;
    for (int i = 0; i < 64 * 64 * 3; i++) noise.push_back((unsigned char)(i * 7919 % 251));
    writePng("whole.png", 64, 64, PNG_COLOR_TYPE_RGB, 8, noise);
    std::string bytes = readBytes("whole.png");
    writeBytes("cut.png", bytes.substr(0, bytes.size() / 2));
    std::string cut = captureStderr([&] { EXPECT_FALSE(decodePNG("cut.png", img)); });
    EXPECT_NE(cut.find("error from libpng reading cut.png: "), std::string::npos) << cut;
}

TEST(Text, SheetCoordinatesOfCharacterCodes) {
    TextRenderer text("TextAB");
    float cw = 0.995f / 30, ch = 0.995f / 19;
    EXPECT_FLOAT_EQ(text.charWidth, cw);
    EXPECT_FLOAT_EQ(text.renderHeight, 10 * ch);
    GLfloat t[8];
    text.getTexCoords(31, t);  // row 1, column 0
    EXPECT_FLOAT_EQ(t[0], 0);
    EXPECT_FLOAT_EQ(t[1], ch);
    EXPECT_FLOAT_EQ(t[3], 2 * ch);
    EXPECT_FLOAT_EQ(t[4], cw);
    text.getTexCoords(30, t);  // row 0, column 29
    EXPECT_FLOAT_EQ(t[0], 29 * cw);
    EXPECT_FLOAT_EQ(t[1], 0);
    EXPECT_FLOAT_EQ(t[6], 30 * cw);
    EXPECT_FLOAT_EQ(t[7], 0);
    text.getTexCoords('A', t);  // row 2, column 4
    EXPECT_FLOAT_EQ(t[0], 4 * cw);
    EXPECT_FLOAT_EQ(t[1], 2 * ch);
    EXPECT_FLOAT_EQ(t[5], 3 * ch);
}

namespace {

// The text each line ends up showing: the last draw made on it.
std::map<int, std::string> finalLines(const std::string& text, int chars, int lines) {
    std::map<int, std::string> out;
    for (const TextBoxDraw& d : layoutTextBox(text, chars, lines)) out[d.line] = text.substr(d.begin, d.end - d.begin);
    return out;
}

}  // namespace

TEST(Text, WordWrapIntoABox) {
    EXPECT_EQ(finalLines("aaa bbb ccc", 7, 5), (std::map<int, std::string>{{0, "aaa bbb"}, {1, "ccc"}}));
    // One line more than the box holds is drawn, the rest dropped.
    EXPECT_EQ(finalLines("aaa bbb ccc ddd", 3, 1), (std::map<int, std::string>{{0, "aaa"}, {1, "bbb"}}));
    EXPECT_EQ(finalLines("", 7, 5).size(), 0u);

    TextRenderer text("TextAB");
    EXPECT_EQ(text.getNextWord("  ab cd", 0, 0), 4);
    EXPECT_EQ(text.getNextWord("  ab cd", 4, 0), 7);
}

// Drawing skips blending only for textures that are opaque in every pixel.
TEST(Textures, OpaqueOnlyWhenEveryPixelIs) {
    DecodedImage img;
    writePng("gray_op.png", 2, 2, PNG_COLOR_TYPE_GRAY, 8, {10, 20, 30, 40});
    ASSERT_TRUE(decodePNG("gray_op.png", img));
    EXPECT_TRUE(imageIsOpaque(img));  // expanded to RGBA, alpha all 255

    writePng("rgb_op.png", 3, 2, PNG_COLOR_TYPE_RGB, 8, std::vector<unsigned char>(18, 90));
    ASSERT_TRUE(decodePNG("rgb_op.png", img));
    EXPECT_FALSE(img.alpha);
    EXPECT_TRUE(imageIsOpaque(img));

    // One nearly opaque pixel, the very last, is enough to count.
    std::vector<unsigned char> rgba(3 * 3 * 4, 255);
    rgba.back() = 254;
    writePng("rgba_last.png", 3, 3, PNG_COLOR_TYPE_RGB_ALPHA, 8, rgba);
    ASSERT_TRUE(decodePNG("rgba_last.png", img));
    EXPECT_FALSE(imageIsOpaque(img));
    rgba.back() = 255;
    writePng("rgba_full.png", 3, 3, PNG_COLOR_TYPE_RGB_ALPHA, 8, rgba);
    ASSERT_TRUE(decodePNG("rgba_full.png", img));
    EXPECT_TRUE(imageIsOpaque(img));
}

// A texture that cannot be read draws as a loud opaque checker, and the
// player is told which files failed.
TEST(Textures, UnreadableFilesAreNamedAndDrawAsAChecker) {
    DecodedImage checker = missingTextureImage();
    ASSERT_EQ(checker.pixels.size(), size_t(checker.rowBytes) * checker.height);
    EXPECT_EQ(checker.rowBytes % 4, 0u);
    EXPECT_TRUE(imageIsOpaque(checker));
    std::set<std::vector<unsigned char>> colours;
    for (unsigned y = 0; y < checker.height; y++)
        for (unsigned x = 0; x < checker.width; x++) {
            const unsigned char* p = &checker.pixels[y * checker.rowBytes + 3 * x];
            colours.insert({p[0], p[1], p[2]});
        }
    EXPECT_EQ(colours.size(), 2u);
    EXPECT_EQ(colours.count({0, 0, 0}), 0u);  // not black, which reads as a hole

    EXPECT_EQ(unreadableTexturesText({}), "");
    EXPECT_EQ(unreadableTexturesText({"Textures/stone.png"}),
              "Could not read Textures/stone.png (details on standard error). It is drawn as a pink checker "
              "pattern: reinstall the game's Textures folder to repair.");
    std::string many = unreadableTexturesText({"Textures/a.png", "Textures/b.png", "Textures/c.png",
                                               "Textures/d.png", "Textures/e.png"});
    EXPECT_EQ(many.rfind("Could not read Textures/a.png, Textures/b.png, Textures/c.png and 2 more (", 0), 0u)
        << many;
    EXPECT_NE(many.find("They are drawn"), std::string::npos);
}
