// The generator's building blocks: file writers, blending, seamless noise
// and the glyph table. A fault here shows up in many textures at once.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "Font.h"
#include "ImageFiles.h"
#include "Noise.h"
#include "PngRead.h"

namespace fs = std::filesystem;

namespace {

fs::path scratch(const std::string& file) {
  std::string tmpl = (fs::temp_directory_path() / "texgen_helpers_XXXXXX").string();
  EXPECT_NE(mkdtemp(tmpl.data()), nullptr);
  return fs::path(tmpl) / file;
}

TEST(ImageFiles, PngKeepsPixelsAndDropsAlphaOnlyWhenEverythingIsOpaque) {
  Image img(3, 2, hex(0x102030));
  img.set(2, 1, hex(0xA0B0C0));
  fs::path p = scratch("a.png");
  ASSERT_TRUE(writePng(p.string(), img));
  Decoded d;
  ASSERT_TRUE(decodePng(p.string(), d));
  EXPECT_EQ(d.colorType, kPngRgb);
  EXPECT_EQ(d.at(0, 0, 0), 0x10u);
  EXPECT_EQ(d.at(2, 1, 1), 0xB0u);
  EXPECT_EQ(d.alpha(1, 1), 255u);

  img.set(0, 1, hex(0x405060, 7));
  ASSERT_TRUE(writePng(p.string(), img));
  ASSERT_TRUE(decodePng(p.string(), d));
  EXPECT_EQ(d.colorType, kPngRgbAlpha);
  EXPECT_EQ(d.alpha(0, 1), 7u);
  EXPECT_EQ(d.at(0, 1, 2), 0x60u);
  EXPECT_EQ(d.alpha(2, 1), 255u);
  fs::remove_all(p.parent_path());

  EXPECT_FALSE(writePng("/nonexistent-dir/x.png", img));
}

TEST(ImageFiles, BmpRowsRunBottomUpInBlueGreenRedWithPadding) {
  Image img(3, 2, hex(0x000000));
  img.set(0, 0, hex(0x112233));  // top left
  img.set(2, 1, hex(0x445566));  // bottom right
  fs::path p = scratch("a.bmp");
  ASSERT_TRUE(writeBmp24(p.string(), img));
  std::ifstream in(p, std::ios::binary);
  std::string b((std::istreambuf_iterator<char>(in)), {});
  const size_t row = 12;  // 3 pixels * 3 bytes, padded to a multiple of 4
  ASSERT_EQ(b.size(), 54 + 2 * row);
  auto byte = [&](size_t i) { return (unsigned)(unsigned char)b[i]; };
  // The file's first row is the image's bottom row.
  EXPECT_EQ(byte(54 + 6), 0x66u);
  EXPECT_EQ(byte(54 + 7), 0x55u);
  EXPECT_EQ(byte(54 + 8), 0x44u);
  EXPECT_EQ(byte(54 + 9), 0u);  // padding
  EXPECT_EQ(byte(54 + row + 0), 0x33u);
  EXPECT_EQ(byte(54 + row + 2), 0x11u);
  fs::remove_all(p.parent_path());
}

TEST(Image, BlendingRespectsBothAlphas) {
  Image img(2, 1);
  img.set(0, 0, hex(0x000000));
  img.blend(0, 0, hex(0xFFFFFF, 128));
  EXPECT_NEAR(img.get(0, 0).r, 128, 1);
  EXPECT_EQ(img.get(0, 0).a, 255);
  // Over nothing, a translucent colour keeps its own colour and alpha.
  img.blend(1, 0, hex(0x80FF40, 100));
  EXPECT_EQ(img.get(1, 0), hex(0x80FF40, 100));
  img.blend(5, 5, hex(0xFFFFFF));  // outside: ignored, no crash
}

TEST(Image, OutlineTouchesOnlyEmptyNeighbours) {
  Image img(5, 5);
  img.set(2, 2, hex(0xFFFFFF));
  img.outlineOpaque(hex(0x000000), false);
  EXPECT_EQ(img.get(2, 2), hex(0xFFFFFF));
  EXPECT_EQ(img.get(2, 1), hex(0x000000));
  EXPECT_EQ(img.get(3, 2), hex(0x000000));
  EXPECT_EQ(img.get(1, 1).a, 0);  // diagonal left alone
  EXPECT_EQ(img.get(0, 2).a, 0);
}

TEST(Noise, RepeatsWithItsPeriodSoBlockFacesJoinSeamlessly) {
  for (int i = 0; i < 50; ++i) {
    float u = i * 0.0731f, v = i * 0.0517f;
    float a = valueNoise(u * 4, v * 4, 4, 9);
    EXPECT_NEAR(a, valueNoise(u * 4 + 4, v * 4, 4, 9), 1e-4);
    EXPECT_NEAR(a, valueNoise(u * 4, v * 4 - 4, 4, 9), 1e-4);
    EXPECT_GE(a, 0.0f);
    EXPECT_LE(a, 1.0f);
    float f = fbm(u, v, 3, 3, 5);
    EXPECT_NEAR(f, fbm(u + 1, v, 3, 3, 5), 1e-4);
    EXPECT_NEAR(f, fbm(u, v + 1, 3, 3, 5), 1e-4);
    EXPECT_NEAR(fbm2(u, v, 2, 8, 2, 5), fbm2(u + 1, v - 1, 2, 8, 2, 5), 1e-4);
    Cell c = worley(u, v, 3, 7), d = worley(u + 1, v + 1, 3, 7);
    EXPECT_NEAR(c.f1, d.f1, 1e-4);
    EXPECT_NEAR(c.f2, d.f2, 1e-4);
    EXPECT_EQ(c.id, d.id);
    EXPECT_LE(c.f1, c.f2);
  }
  // Different seeds give different noise.
  EXPECT_NE(valueNoise(1.5f, 2.5f, 4, 1), valueNoise(1.5f, 2.5f, 4, 2));
}

TEST(Font, EveryPrintableGlyphIsWellFormed) {
  for (int c = 33; c <= 126; ++c) {
    const auto* g = font::glyph((char)c);
    ASSERT_NE(g, nullptr) << "no glyph for " << (char)c;
    EXPECT_LE(g->size(), (size_t)font::kGlyphH) << (char)c;
    for (const std::string& row : *g) {
      EXPECT_EQ(row.size(), (size_t)font::kGlyphW) << "glyph " << (char)c;
      EXPECT_EQ(row.find_first_not_of("#."), std::string::npos) << "glyph " << (char)c;
    }
  }
  EXPECT_EQ(font::glyph(' '), nullptr);
  EXPECT_EQ(font::textWidth(""), 0);
  EXPECT_EQ(font::textWidth("OK"), 2 * font::kGlyphW + 1);
  // Lettering on a widget lands where textWidth says it does.
  Image img(40, 12);
  font::drawText(img, 3, 2, "HH", hex(0xFFFFFF));  // H fills both edge columns
  int minX = 99, maxX = -1;
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 40; ++x)
      if (img.get(x, y).a) minX = std::min(minX, x), maxX = std::max(maxX, x);
  EXPECT_EQ(minX, 3);
  EXPECT_EQ(maxX, 3 + font::textWidth("HH") - 1);
}

}  // namespace
