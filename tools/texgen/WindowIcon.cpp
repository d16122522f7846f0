// The window icon: the vask's eye in a ring of its flesh.
#include "Paint.h"
#include "Painters.h"

Image paintWindowIcon() {
  const int n = 32;
  Image img(n, n, hex(0x0a0612));
  const Ramp flesh = {hex(0x2a0c40), hex(0x421660), hex(0x5e2480), hex(0x7c38a0)};
  uint32_t s = seedOf("VaskIcon");
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x) {
      float dx = x + 0.5f - 16, dy = y + 0.5f - 16, r = std::sqrt(dx * dx + dy * dy);
      if (r > 15) continue;
      Cell c = worley((x + 0.5f) / n, (y + 0.5f) / n, 4, s);
      Rgba p = pick(flesh, 0.2f + 1.2f * c.f1 - 0.02f * dy);
      if (c.f2 - c.f1 < 0.08f) p = hex(0x7ee030);
      if (r > 14) p = hex(0x1a0628);
      img.set(x, y, p);
    }
  drawArt(img, 4, 10,
          {"......kkkkkkkkkkkk......",
           "...kkkrrrggggggrrrkkk...",
           ".kkrrgggyyyppyyygggrrkk.",
           "krrggyyyyyyppyyyyyyggrrk",
           "krggyyyyyyypppyyyyyyggrk",
           "krggyyyyyyypppyyyyyyggrk",
           "krrggyyyyyyppyyyyyyggrrk",
           ".kkrrgggyyyppyyygggrrkk.",
           "...kkkrrrggggggrrrkkk...",
           "......kkkkkkkkkkkk......"},
          "krgyp", {hex(0x08020c), hex(0xc0186a), hex(0x7ee030), hex(0xe8ff70), hex(0x050208)});
  img.fillRect(12, 13, 2, 2, hex(0xffffff));
  return img;
}
