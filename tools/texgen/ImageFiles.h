#pragma once
// Writing images to disk: 8-bit PNG (RGB when fully opaque, else RGBA) and
// the 24-bit BMP the window icon needs.
#include <string>

#include "Image.h"

// Returns false and reports on standard error when the file cannot be written.
bool writePng(const std::string& path, const Image& img);
bool writeBmp24(const std::string& path, const Image& img);
