// The desktop icons `texgen --app-icons` writes for installing: one PNG per
// size in the icon theme's folder layout, a round picture on a see-through
// square, the same bytes on every run.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "PngRead.h"
#include "texture_names.h"

namespace fs = std::filesystem;

namespace {

fs::path writeIcons(const fs::path& into) {
  std::string cmd = std::string("\"") + TEXGEN_EXE + "\" --app-icons \"" + into.string() + "\" > /dev/null";
  return std::system(cmd.c_str()) == 0 ? into : fs::path();
}

std::string bytesOf(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(AppIcons, EverySizeIsARoundPictureOnATransparentSquareAndRepeatsExactly) {
  std::string tmpl = (fs::temp_directory_path() / "texgen_icons_XXXXXX").string();
  ASSERT_TRUE(mkdtemp(tmpl.data()));
  const fs::path root(tmpl);
  const fs::path first = writeIcons(root / "a"), second = writeIcons(root / "b");
  ASSERT_FALSE(first.empty() || second.empty()) << "texgen --app-icons failed";

  for (int size : kAppIconSizes) {
    const fs::path file = fs::path(std::to_string(size) + "x" + std::to_string(size)) / "apps" /
                          (std::string(kAppIconName) + ".png");
    Decoded d;
    ASSERT_TRUE(decodePng((first / file).string(), d)) << file;
    EXPECT_EQ(d.width, size);
    EXPECT_EQ(d.height, size);
    EXPECT_EQ(d.colorType, kPngRgbAlpha) << file << " needs an alpha channel";
    EXPECT_EQ(d.alpha(0, 0), 0u) << file;
    EXPECT_EQ(d.alpha(size - 1, size - 1), 0u) << file;
    EXPECT_EQ(d.alpha(size / 2, size / 2), 255u) << file;
    // The disc's edge is smoothed: much of its rim is partly covered.
    int partial = 0;
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x) partial += d.alpha(x, y) > 0 && d.alpha(x, y) < 255;
    EXPECT_GE(partial, size) << file << " has a jagged edge";
    EXPECT_EQ(bytesOf(first / file), bytesOf(second / file)) << file << " differs between runs";
  }
  fs::remove_all(root);
}

}  // namespace
