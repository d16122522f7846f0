// Any byte string as a texture in Textures/: decoding must never crash, hang or
// allocate without bound, and what decodes must be a whole, padded image.
#include "render/Textures.h"

#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <unistd.h>

static int devNull = -1, realStderr = -1;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    devNull = open("/dev/null", O_WRONLY);
    realStderr = dup(2);
    return 0;
}

// The decoder reports every refusal on standard error; the fuzzer's own
// reports must still get through, so it is silenced only around the call.
static bool quietDecode(const char* path, DecodedImage& img) {
    fflush(stderr);
    dup2(devNull, 2);
    bool ok = decodePNG(path, img);
    fflush(stderr);
    dup2(realStderr, 2);
    return ok;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    {
        std::ofstream out("fuzz_texture.png", std::ios::binary);
        out.write(reinterpret_cast<const char*>(data), std::streamsize(size));
    }
    DecodedImage img;
    if (!quietDecode("fuzz_texture.png", img)) {
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
