#include "render/SubBufferCopy.h"

#include <GL/glx.h>

#include <cstring>

namespace {

using CopySubBuffer = void (*)(Display*, GLXDrawable, int, int, int, int);

// Looked up once per display: only a GLX context on a driver that offers the
// extension can copy; under Wayland or EGL there is no current GLX display.
CopySubBuffer copier(Display* display) {
    static Display* known = nullptr;
    static CopySubBuffer found = nullptr;
    if (display != known) {
        known = display;
        found = nullptr;
        const char* extensions = glXQueryExtensionsString(display, DefaultScreen(display));
        if (extensions && strstr(extensions, "GLX_MESA_copy_sub_buffer"))
            found = reinterpret_cast<CopySubBuffer>(
                glXGetProcAddress(reinterpret_cast<const GLubyte*>("glXCopySubBufferMESA")));
    }
    return found;
}

}  // namespace

bool canCopySubBuffer() {
    Display* display = glXGetCurrentDisplay();
    return display && glXGetCurrentDrawable() && copier(display);
}

void copySubBuffer(int x, int y, int w, int h) {
    Display* display = glXGetCurrentDisplay();
    GLXDrawable drawable = glXGetCurrentDrawable();
    if (!display || !drawable || w <= 0 || h <= 0) return;
    if (CopySubBuffer copy = copier(display)) copy(display, drawable, x, y, w, h);
}
