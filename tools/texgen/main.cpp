// texgen: paints every texture of the game and writes it into a folder.
//   texgen <folder>
//   texgen --app-icons <folder>   the desktop menu icons, for installing
// The output depends on nothing but this program, so every build produces
// the same bytes.
#include <cstdio>
#include <filesystem>
#include <set>

#include "Font.h"
#include "ImageFiles.h"
#include "Painters.h"
#include "Rng.h"
#include "texture_names.h"

uint32_t seedOf(const std::string& name) { return (uint32_t)Rng::hashName(name); }

static PainterTable allPainters() {
  PainterTable t;
  addNaturalBlocks(t);
  addBuiltBlocks(t);
  addMachineBlocks(t);
  addHudIcons(t);
  addScenery(t);
  addWidgets(t);
  addPortraits(t);
  t["TextAB"] = [](int, int) { return font::makeCharSheet(); };
  return t;
}

static bool makeFolder(const std::string& dir) {
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  if (ec) std::fprintf(stderr, "%s: %s\n", dir.c_str(), ec.message().c_str());
  return !ec;
}

static int writeAppIcons(const std::string& dir) {
  bool ok = true;
  for (int size : kAppIconSizes) {
    const std::string apps = dir + "/" + std::to_string(size) + "x" + std::to_string(size) + "/apps";
    ok = makeFolder(apps) && writePng(apps + "/" + kAppIconName + ".png", paintAppIcon(size)) && ok;
  }
  if (!ok) return 1;
  std::printf("texgen: wrote the desktop icons to %s\n", dir.c_str());
  return 0;
}

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--app-icons") return writeAppIcons(argv[2]);
  if (argc != 2) {
    std::fprintf(stderr, "usage: texgen <output folder>\n       texgen --app-icons <output folder>\n");
    return 2;
  }
  const std::string dir = argv[1];
  if (!makeFolder(dir)) return 1;

  PainterTable painters = allPainters();
  std::set<std::string> listed;
  bool ok = true;
  for (const TextureEntry& entry : kTextures) {
    listed.insert(entry.name);
    auto it = painters.find(entry.name);
    if (it == painters.end()) {
      std::fprintf(stderr, "texgen: no painter for texture \"%s\"\n", entry.name);
      ok = false;
      continue;
    }
    Image img = it->second(entry.width, entry.height);
    if (img.width() != entry.width || img.height() != entry.height) {
      std::fprintf(stderr, "texgen: \"%s\" came out %dx%d instead of %dx%d\n", entry.name, img.width(),
                   img.height(), entry.width, entry.height);
      ok = false;
      continue;
    }
    ok = writePng(dir + "/" + entry.name + ".png", img) && ok;
  }
  for (const auto& entry : painters)
    if (!listed.count(entry.first)) {
      std::fprintf(stderr, "texgen: painter \"%s\" is not in the texture list\n", entry.first.c_str());
      ok = false;
    }
  ok = writeBmp24(dir + "/" + kWindowIconFile, paintWindowIcon()) && ok;
  if (!ok) return 1;
  std::printf("texgen: wrote %zu textures and %s to %s\n", kTextureCount, kWindowIconFile, dir.c_str());
  return 0;
}
