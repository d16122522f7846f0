// Runs the texture generator the way the build does and checks what the
// game relies on: every listed file is a readable 8-bit PNG of its size,
// the output is the same on every run, the character sheet matches the
// text renderer's cell layout, and see-through parts are where the
// renderer expects them.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "Font.h"
#include "PngRead.h"
#include "texture_names.h"

namespace fs = std::filesystem;

namespace {

std::string readAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// One generator run per test binary; a second one for the determinism check.
class Texgen : public ::testing::Test {
 protected:
  static fs::path runInto(const std::string& tag) {
    std::string tmpl = (fs::temp_directory_path() / ("texgen_" + tag + "_XXXXXX")).string();
    if (!mkdtemp(tmpl.data())) return {};
    fs::path out = fs::path(tmpl) / "Textures";  // the generator must create it
    std::string cmd = std::string("\"") + TEXGEN_EXE + "\" \"" + out.string() + "\" > /dev/null";
    if (std::system(cmd.c_str()) != 0) return {};
    return out;
  }
  static void SetUpTestSuite() { first = runInto("a"); }
  static void TearDownTestSuite() {
    if (!first.empty()) fs::remove_all(first.parent_path());
  }
  static const Decoded& load(const std::string& name) {
    static std::map<std::string, Decoded> cache;
    auto it = cache.find(name);
    if (it == cache.end()) {
      Decoded d;
      decodePng((first / (name + ".png")).string(), d);
      it = cache.emplace(name, d).first;
    }
    return it->second;
  }
  static fs::path first;
};
fs::path Texgen::first;

TEST_F(Texgen, WritesEveryListedTextureAsAnEightBitPngOfItsSize) {
  ASSERT_FALSE(first.empty()) << "generator failed";
  std::set<std::string> expected = {kWindowIconFile};
  for (const TextureEntry& entry : kTextures) {
    expected.insert(std::string(entry.name) + ".png");
    Decoded d;
    ASSERT_TRUE(decodePng((first / (std::string(entry.name) + ".png")).string(), d)) << entry.name;
    EXPECT_EQ(d.width, entry.width) << entry.name;
    EXPECT_EQ(d.height, entry.height) << entry.name;
    EXPECT_EQ(d.bitDepth, 8) << entry.name;
    EXPECT_TRUE(d.colorType == kPngRgb || d.colorType == kPngRgbAlpha) << entry.name;
  }
  std::set<std::string> found;
  for (const auto& e : fs::directory_iterator(first)) found.insert(e.path().filename().string());
  EXPECT_EQ(found, expected);
}

TEST_F(Texgen, TwoRunsWriteIdenticalBytes) {
  ASSERT_FALSE(first.empty());
  fs::path second = runInto("b");
  ASSERT_FALSE(second.empty()) << "second run failed";
  size_t compared = 0;
  for (const auto& e : fs::directory_iterator(first)) {
    std::string a = readAll(e.path()), b = readAll(second / e.path().filename());
    EXPECT_FALSE(a.empty()) << e.path();
    EXPECT_TRUE(a == b) << e.path().filename() << " differs between runs";
    ++compared;
  }
  EXPECT_EQ(compared, kTextureCount + 1);
  fs::remove_all(second.parent_path());
}

TEST_F(Texgen, CharacterSheetCellsHoldTheirGlyphsWhereTheRendererSamples) {
  const Decoded& sheet = load("TextAB");
  ASSERT_EQ(sheet.width, font::kSheetCols * font::kCellW);
  ASSERT_EQ(sheet.height, font::kSheetRows * font::kCellH);
  // The renderer steps 0.995 of a cell per cell, so cell k is read from
  // [k * step, (k + 1) * step); a glyph pixel outside that window is lost.
  const double stepX = 0.995 * sheet.width / font::kSheetCols;
  const double stepY = 0.995 * sheet.height / font::kSheetRows;
  std::map<std::vector<bool>, int> shapes;
  for (int code = 1; code < 128; ++code) {
    int cell = code - 1, col = cell % font::kSheetCols, row = cell / font::kSheetCols;
    int inked = 0;
    std::vector<bool> shape;
    for (int y = row * font::kCellH; y < (row + 1) * font::kCellH; ++y)
      for (int x = col * font::kCellW; x < (col + 1) * font::kCellW; ++x) {
        bool on = sheet.alpha(x, y) > 0;
        shape.push_back(on);
        if (!on) continue;
        ++inked;
        EXPECT_GE(sheet.red(x, y), 200u) << "glyph " << code << " is not light";
        EXPECT_TRUE(x >= col * stepX && x + 1 <= (col + 1) * stepX && y >= row * stepY &&
                    y + 1 <= (row + 1) * stepY)
            << "glyph " << code << " pixel (" << x << "," << y << ") falls outside the sampled window";
      }
    bool printable = code >= 33 && code <= 126;
    EXPECT_EQ(inked > 0, printable) << "code " << code;
    if (printable) {
      auto [it, fresh] = shapes.emplace(shape, code);
      EXPECT_TRUE(fresh) << "codes " << it->second << " and " << code << " share a glyph";
    }
  }
  // Nothing outside the cells the game can address either.
  for (int y = 0; y < sheet.height; ++y)
    for (int x = 0; x < sheet.width; ++x)
      if ((y / font::kCellH) * font::kSheetCols + x / font::kCellW >= 127) {
        ASSERT_EQ(sheet.alpha(x, y), 0u);
      }
}

TEST_F(Texgen, TransparencyOnlyWhereTheRendererExpectsIt) {
  auto alphaStats = [](const Decoded& d, unsigned& lo, unsigned& hi, double& mean) {
    lo = 255, hi = 0, mean = 0;
    for (int y = 0; y < d.height; ++y)
      for (int x = 0; x < d.width; ++x) {
        unsigned a = d.alpha(x, y);
        lo = std::min(lo, a), hi = std::max(hi, a), mean += a;
      }
    mean /= 255.0 * d.width * d.height;
  };
  unsigned lo, hi;
  double mean;
  // Blocks drawn in the opaque pass must not have holes.
  const std::set<std::string> seeThrough = {"vask", "water", "window", "wheel", "fence", "redC"};
  for (size_t i = 0; i < kBlockTextureCount; ++i) {
    const std::string name = kTextures[i].name;
    alphaStats(load(name), lo, hi, mean);
    if (!seeThrough.count(name)) {
      EXPECT_EQ(lo, 255u) << name << " has transparent pixels";
    }
  }
  alphaStats(load("vask"), lo, hi, mean);
  EXPECT_GE(mean, 0.6);
  EXPECT_LE(mean, 0.8);
  EXPECT_GT(lo, 0u);
  alphaStats(load("water"), lo, hi, mean);
  EXPECT_LT(hi, 255u);
  EXPECT_GT(lo, 0u);
  alphaStats(load("fence"), lo, hi, mean);
  EXPECT_EQ(lo, 0u) << "the fence needs gaps";
  EXPECT_EQ(hi, 255u);
  alphaStats(load("window"), lo, hi, mean);
  EXPECT_LT(lo, 128u) << "glass should be see-through";
  alphaStats(load("dne"), lo, hi, mean);
  EXPECT_LT(hi, 255u) << "the field box drawn with dne must stay faint";
  EXPECT_GT(lo, 0u);

  const Decoded& reticle = load("reticle");
  EXPECT_EQ(reticle.alpha(0, 0), 0u);
  EXPECT_EQ(reticle.alpha(reticle.width - 1, reticle.height - 1), 0u);
  EXPECT_EQ(reticle.alpha(reticle.width / 2, reticle.height / 2), 255u);
  for (const char* frame : {"box", "box2"}) {
    const Decoded& d = load(frame);
    EXPECT_EQ(d.alpha(d.width / 2, d.height / 2), 0u) << frame << " must be hollow";
    EXPECT_GT(d.alpha(1, d.height / 2), 0u) << frame << " needs a border";
  }
  const Decoded& sun = load("sun");
  EXPECT_EQ(sun.alpha(0, 0), 0u);
  EXPECT_EQ(sun.alpha(sun.width / 2, sun.height / 2), 255u);
}

TEST_F(Texgen, WindowIconIsA32By32TrueColourBitmap) {
  std::string bmp = readAll(first / kWindowIconFile);
  ASSERT_GE(bmp.size(), 54u);
  auto u32 = [&](size_t at) {
    return (unsigned)(unsigned char)bmp[at] | (unsigned)(unsigned char)bmp[at + 1] << 8 |
           (unsigned)(unsigned char)bmp[at + 2] << 16 | (unsigned)(unsigned char)bmp[at + 3] << 24;
  };
  EXPECT_EQ(bmp.substr(0, 2), "BM");
  EXPECT_EQ(u32(2), bmp.size());
  EXPECT_EQ(u32(10), 54u);
  EXPECT_EQ(u32(18), (unsigned)kWindowIconSize);
  EXPECT_EQ(u32(22), (unsigned)kWindowIconSize);
  EXPECT_EQ((unsigned char)bmp[28], 24);
  EXPECT_EQ(u32(30), 0u);
  EXPECT_EQ(bmp.size(), 54u + kWindowIconSize * kWindowIconSize * 3);
}

}  // namespace
