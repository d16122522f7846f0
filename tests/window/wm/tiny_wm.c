/* The least window manager the fullscreen test needs: Xvfb has none, and a
 * window only goes fullscreen when a manager answers its _NET_WM_STATE
 * request. This one maps windows where they ask, lets them configure
 * themselves, gives a new window the keyboard, and covers the screen with a window that asks for fullscreen
 * (restoring its old place when it asks to leave). It exits with the X
 * server. */
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <stdio.h>
#include <string.h>

#define MAX_SAVED 64

struct Saved {
    Window w;
    int x, y;
    unsigned int width, height;
};

static struct Saved saved[MAX_SAVED];

static struct Saved* savedFor(Window w) {
    for (int i = 0; i < MAX_SAVED; i++)
        if (saved[i].w == w) return &saved[i];
    for (int i = 0; i < MAX_SAVED; i++)
        if (saved[i].w == 0) {
            saved[i].w = w;
            return &saved[i];
        }
    return &saved[0];
}

static int ignoreErrors(Display* d, XErrorEvent* e) {
    (void)d;
    (void)e;
    return 0;
}

int main(void) {
    Display* d = XOpenDisplay(NULL);
    if (!d) {
        fprintf(stderr, "tiny_wm: no display\n");
        return 1;
    }
    XSetErrorHandler(ignoreErrors);
    Window root = DefaultRootWindow(d);
    int screen = DefaultScreen(d);
    Atom netState = XInternAtom(d, "_NET_WM_STATE", False);
    Atom netFull = XInternAtom(d, "_NET_WM_STATE_FULLSCREEN", False);
    Atom netSupported = XInternAtom(d, "_NET_SUPPORTED", False);
    Atom netCheck = XInternAtom(d, "_NET_SUPPORTING_WM_CHECK", False);
    Atom netName = XInternAtom(d, "_NET_WM_NAME", False);
    Atom utf8 = XInternAtom(d, "UTF8_STRING", False);

    Window check = XCreateSimpleWindow(d, root, 0, 0, 1, 1, 0, 0, 0);
    XChangeProperty(d, root, netCheck, XA_WINDOW, 32, PropModeReplace, (unsigned char*)&check, 1);
    XChangeProperty(d, check, netCheck, XA_WINDOW, 32, PropModeReplace, (unsigned char*)&check, 1);
    XChangeProperty(d, check, netName, utf8, 8, PropModeReplace, (unsigned char*)"tiny_wm", 7);
    Atom supported[] = {netState, netFull};
    XChangeProperty(d, root, netSupported, XA_ATOM, 32, PropModeReplace, (unsigned char*)supported, 2);
    XSelectInput(d, root, SubstructureRedirectMask | SubstructureNotifyMask);
    XSync(d, False);
    printf("tiny_wm ready\n");
    fflush(stdout);

    for (;;) {
        XEvent e;
        XNextEvent(d, &e);
        if (e.type == MapRequest) {
            /* A mapped window gets the keyboard, as under any manager. */
            XMapWindow(d, e.xmaprequest.window);
            XSetInputFocus(d, e.xmaprequest.window, RevertToPointerRoot, CurrentTime);
        } else if (e.type == ConfigureRequest) {
            XConfigureRequestEvent* r = &e.xconfigurerequest;
            XWindowChanges c;
            memset(&c, 0, sizeof c);
            c.x = r->x;
            c.y = r->y;
            c.width = r->width;
            c.height = r->height;
            c.border_width = r->border_width;
            c.sibling = r->above;
            c.stack_mode = r->detail;
            XConfigureWindow(d, r->window, (unsigned int)r->value_mask, &c);
        } else if (e.type == ClientMessage && e.xclient.message_type == netState &&
                   ((Atom)e.xclient.data.l[1] == netFull || (Atom)e.xclient.data.l[2] == netFull)) {
            Window w = e.xclient.window;
            long action = e.xclient.data.l[0]; /* 0 remove, 1 add, 2 toggle */
            struct Saved* s = savedFor(w);
            XWindowAttributes a;
            XGetWindowAttributes(d, w, &a);
            int full = a.width == DisplayWidth(d, screen) && a.height == DisplayHeight(d, screen) && a.x == 0 &&
                       a.y == 0;
            int want = action == 2 ? !full : action == 1;
            if (want && !full) {
                s->x = a.x, s->y = a.y, s->width = (unsigned)a.width, s->height = (unsigned)a.height;
                XMoveResizeWindow(d, w, 0, 0, (unsigned)DisplayWidth(d, screen), (unsigned)DisplayHeight(d, screen));
                XChangeProperty(d, w, netState, XA_ATOM, 32, PropModeReplace, (unsigned char*)&netFull, 1);
            } else if (!want && full) {
                XMoveResizeWindow(d, w, s->x, s->y, s->width, s->height);
                XChangeProperty(d, w, netState, XA_ATOM, 32, PropModeReplace, NULL, 0);
            }
        }
        XFlush(d);
    }
}
