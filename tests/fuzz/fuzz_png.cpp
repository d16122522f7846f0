// Any byte string as a texture in Textures/: decoding must never crash, hang or
// allocate without bound, and what decodes must be a whole, padded image.
#include "../unit/WorldFixture.h"
#include "render/Textures.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    writeBytes("fuzz_texture.png", std::string(reinterpret_cast<const char*>(data), size));
    DecodedImage img;
    bool decoded;
    {
        // The decoder reports every refusal on standard error; the fuzzer's own
        // reports must still get through, so it is silenced only around the call.
        Quiet q;
        decoded = decodePNG("fuzz_texture.png", img);
    }
    if (!decoded) {
        if (!img.pixels.empty()) __builtin_trap();
        return 0;
    }
    size_t pixelBytes = size_t(img.width) * (img.alpha ? 4 : 3);
    if (img.width == 0 || img.height == 0 || img.width > MAX_TEXTURE_SIDE || img.height > MAX_TEXTURE_SIDE)
        __builtin_trap();
    if (img.rowBytes % 4 != 0 || img.rowBytes < pixelBytes || img.rowBytes > pixelBytes + 3) __builtin_trap();
    if (img.pixels.size() != img.rowBytes * img.height) __builtin_trap();
    return 0;
}
