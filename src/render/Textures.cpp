#include "render/Textures.h"

#include "panels/Notice.h"
#include "sound/Sound.h"

#include <SDL2/SDL.h>
#include <png.h>

#include <algorithm>
#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <new>
#include <set>

namespace {
// Loaded textures with pixels that are not fully opaque.
std::set<GLuint> translucentTextures;
}  // namespace

std::map<std::string, GLuint> loadedTextures;

GLuint getTexture(std::string s) {
    auto it = loadedTextures.find(s);
    if (it != loadedTextures.end()) return it->second;
    it = loadedTextures.find("dne");
    return it != loadedTextures.end() ? it->second : 0;
}

std::string textureNameFor(const std::string& entry) {
    return entry.size() >= 4 ? entry.substr(0, entry.size() - 4) : entry;
}

void loadTextures() {
    std::vector<std::string> listing;
    scanDirectory(listing, "Textures");
    if (listing.empty()) return;
    std::vector<GLuint> ids(listing.size(), 0);
    glGenTextures(GLsizei(ids.size()), ids.data());
    std::vector<std::string> unreadable;
    for (size_t i = 0; i < listing.size(); i++) {
        if (!loadPicture("Textures/" + listing[i], ids[i])) unreadable.push_back("Textures/" + listing[i]);
        loadedTextures[textureNameFor(listing[i])] = ids[i];
    }
    if (!unreadable.empty()) showNotice(unreadableTexturesText(unreadable));
}

void unloadTextures() {
    for (const auto& [name, id] : loadedTextures) glDeleteTextures(1, &id);
    translucentTextures.clear();
}

bool loadPicture(std::string file, GLuint tex) {
    // "." and ".." end in their last dot; they are listed but hold no image.
    if (file.rfind('.') == file.size() - 1) return true;
    std::cout << "Loading: " << file << std::endl;
    if (file.find(".bmp") != std::string::npos) return true;
    return loadPNG(file.c_str(), tex) != 0;
}

std::string unreadableTexturesText(const std::vector<std::string>& files) {
    if (files.empty()) return "";
    const size_t named = 3;
    std::string list;
    for (size_t i = 0; i < files.size() && i < named; i++) list += (i ? ", " : "") + files[i];
    if (files.size() > named) list += " and " + std::to_string(files.size() - named) + " more";
    return "Could not read " + list + " (details on standard error). " +
           (files.size() == 1 ? "It is" : "They are") +
           " drawn as a pink checker pattern: reinstall the game's Textures folder to repair.";
}

namespace {

// Everything libpng hands out, owned outside the function that calls setjmp so
// that a longjmp back into it leaves no value indeterminate.
struct PngReadState {
    const char* fileName = "";
    std::string error;  // libpng's reason for giving up
    FILE* fp = nullptr;
    png_structp png = nullptr;
    png_infop info = nullptr;
    png_infop endInfo = nullptr;
    std::vector<png_bytep> rows;
};

// libpng's own messages do not say which file they are about.
void pngError(png_structp png, png_const_charp message) {
    static_cast<PngReadState*>(png_get_error_ptr(png))->error = message;
    png_longjmp(png, 1);
}

void pngWarning(png_structp png, png_const_charp message) {
    fprintf(stderr, "%s: libpng warning: %s\n", static_cast<PngReadState*>(png_get_error_ptr(png))->fileName,
            message);
}

enum class PngStep { ok, libpngError, badColorType, tooLarge, noMemory, noRowMemory };

PngStep readPngBody(PngReadState& st, DecodedImage& out, int& colorType) {
    if (setjmp(png_jmpbuf(st.png))) return PngStep::libpngError;

    png_init_io(st.png, st.fp);
    png_set_sig_bytes(st.png, 8);
    png_read_info(st.png, st.info);

    png_uint_32 width = 0, height = 0;
    int bitDepth = 0;
    png_get_IHDR(st.png, st.info, &width, &height, &bitDepth, &colorType, nullptr, nullptr, nullptr);
    if (width > MAX_TEXTURE_SIDE || height > MAX_TEXTURE_SIDE) {
        out.width = width;
        out.height = height;
        return PngStep::tooLarge;
    }

    bool transparent = png_get_valid(st.png, st.info, PNG_INFO_tRNS) != 0;
    switch (colorType) {
    case PNG_COLOR_TYPE_GRAY:
        if (bitDepth < 8) png_set_expand_gray_1_2_4_to_8(st.png);
        png_set_gray_to_rgb(st.png);
        if (transparent) png_set_tRNS_to_alpha(st.png);
        else png_set_filler(st.png, 0xff, PNG_FILLER_AFTER);
        out.alpha = true;
        break;
    case PNG_COLOR_TYPE_PALETTE:
        png_set_palette_to_rgb(st.png);
        if (transparent) png_set_tRNS_to_alpha(st.png);
        else png_set_filler(st.png, 0xff, PNG_FILLER_AFTER);
        out.alpha = true;
        break;
    case PNG_COLOR_TYPE_GRAY_ALPHA:
        png_set_gray_to_rgb(st.png);
        out.alpha = true;
        break;
    case PNG_COLOR_TYPE_RGB:
        out.alpha = false;
        break;
    case PNG_COLOR_TYPE_RGB_ALPHA:
        out.alpha = true;
        break;
    default:
        return PngStep::badColorType;
    }
    // A 16-bit image would otherwise be uploaded as twice the bytes GL expects.
    if (bitDepth == 16) png_set_strip_16(st.png);
    png_set_interlace_handling(st.png);
    png_read_update_info(st.png, st.info);

    out.width = width;
    out.height = height;
    size_t rowBytes = png_get_rowbytes(st.png, st.info);
    out.rowBytes = (rowBytes + 3) & ~size_t(3);
    try {
        out.pixels.assign(out.rowBytes * height, 0);
    } catch (const std::bad_alloc&) {
        return PngStep::noMemory;
    }
    try {
        st.rows.resize(height);
    } catch (const std::bad_alloc&) {
        return PngStep::noRowMemory;
    }
    for (png_uint_32 i = 0; i < height; i++) st.rows[i] = out.pixels.data() + i * out.rowBytes;
    png_read_image(st.png, st.rows.data());
    png_read_end(st.png, st.endInfo);
    return PngStep::ok;
}

}  // namespace

bool decodePNG(const char* file_name, DecodedImage& out) {
    out = DecodedImage();
    PngReadState st;
    st.fileName = file_name;
    st.fp = fopen(file_name, "rb");
    if (!st.fp) {
        fprintf(stderr, "%s: %s\n", file_name, strerror(errno));
        return false;
    }
    png_byte header[8] = {0};
    if (fread(header, 1, 8, st.fp) != 8 || png_sig_cmp(header, 0, 8)) {
        fprintf(stderr, "error: %s is not a PNG.\n", file_name);
        fclose(st.fp);
        return false;
    }
    st.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &st, pngError, pngWarning);
    if (!st.png) {
        fprintf(stderr, "error: png_create_read_struct returned 0.\n");
        fclose(st.fp);
        return false;
    }
    st.info = png_create_info_struct(st.png);
    st.endInfo = st.info ? png_create_info_struct(st.png) : nullptr;
    if (!st.info || !st.endInfo) {
        fprintf(stderr, "error: png_create_info_struct returned 0.\n");
        png_destroy_read_struct(&st.png, st.info ? &st.info : nullptr, nullptr);
        fclose(st.fp);
        return false;
    }

    int colorType = -1;
    PngStep step = readPngBody(st, out, colorType);
    png_destroy_read_struct(&st.png, &st.info, &st.endInfo);
    fclose(st.fp);

    switch (step) {
    case PngStep::ok:
        return true;
    case PngStep::libpngError:
        fprintf(stderr, "error from libpng reading %s: %s\n", file_name, st.error.c_str());
        break;
    case PngStep::badColorType:
        fprintf(stderr, "%s: Unknown libpng color type %d.\n", file_name, colorType);
        break;
    case PngStep::tooLarge:
        fprintf(stderr, "error: %s is %u x %u pixels, larger than %u on a side\n", file_name, out.width,
                out.height, MAX_TEXTURE_SIDE);
        break;
    case PngStep::noMemory:
        fprintf(stderr, "error: could not allocate memory for PNG image data of %s\n", file_name);
        break;
    case PngStep::noRowMemory:
        fprintf(stderr, "error: could not allocate memory for PNG row pointers of %s\n", file_name);
        break;
    }
    out = DecodedImage();
    return false;
}

bool imageIsOpaque(const DecodedImage& image) {
    if (!image.alpha) return true;
    for (unsigned y = 0; y < image.height; y++) {
        const unsigned char* row = image.pixels.data() + size_t(y) * image.rowBytes;
        for (unsigned x = 0; x < image.width; x++)
            if (row[4 * x + 3] != 255) return false;
    }
    return true;
}

bool textureHasTranslucency(GLuint id) { return translucentTextures.count(id) != 0; }

DecodedImage missingTextureImage() {
    DecodedImage image;
    image.width = image.height = 16;
    image.rowBytes = 48;
    for (unsigned y = 0; y < 16; y++)
        for (unsigned x = 0; x < 16; x++) {
            bool pink = ((x / 4) + (y / 4)) % 2 == 0;
            image.pixels.insert(image.pixels.end(), {pink ? (unsigned char)255 : (unsigned char)24,
                                                     pink ? (unsigned char)0 : (unsigned char)8,
                                                     pink ? (unsigned char)220 : (unsigned char)24});
        }
    return image;
}

GLuint loadPNG(const char* file_name, GLuint tex) {
    DecodedImage image;
    bool decoded = decodePNG(file_name, image);
    // An image that cannot be read still draws, as a loud checker: black would
    // look like a hole in the world rather than a missing picture.
    if (!decoded) image = missingTextureImage();
    if (imageIsOpaque(image)) translucentTextures.erase(tex);
    else translucentTextures.insert(tex);
    GLenum format = image.alpha ? GL_RGBA : GL_RGB;
    glBindTexture(GL_TEXTURE_2D, tex);
    glTexImage2D(GL_TEXTURE_2D, 0, GLint(format), GLsizei(image.width), GLsizei(image.height), 0, format,
                 GL_UNSIGNED_BYTE, image.pixels.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    return decoded ? tex : 0;
}

void loadIcon(std::string file, SDL_Window* win) {
    // A backslash is part of a file name here, not a folder separator.
    std::replace(file.begin(), file.end(), '\\', '/');
    SDL_Surface* icon = SDL_LoadBMP(file.c_str());
    if (!icon) {
        fprintf(stderr, "Could not load the window icon %s: %s\n", file.c_str(), SDL_GetError());
        return;
    }
    SDL_SetWindowIcon(win, icon);
    SDL_FreeSurface(icon);
}
