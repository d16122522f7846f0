// vask_screenshot --map FILE [--pos x,y,z --yaw Y --pit P] [--size WxH]
//                 [--frames N] [--shadows N] [--sun x,y,z] [--time] [--text T] [--shown FILE.png] --out FILE.png
// Opens a window, runs the game's GL start-up, loads the map into a World with
// that window, draws N frames with World::render and writes the last one.
// --shown also writes the last frame as drawn for the window (without --text).
// Reads Shaders/ and Textures/ from the working directory, like the game.
#include "GameWindow.h"
#include "world/World.h"

#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/type_ptr.hpp>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <time.h>

namespace {

struct Options {
    std::string map, out, shown;
    bool hasPos = false;
    vec3 pos{0};
    float yaw = 180, pit = 0;
    bool hasYaw = false, hasPit = false;
    bool hasSun = false;
    vec3 sun{0};
    int width = 800, height = 600;
    int frames = 3;
    int shadows = -1;  // -1: the settings' value
    bool time = false;  // print the median time of one frame
    std::string text;   // a caption drawn over the top of the picture
};

// Processor time of every thread of the process (the GL driver's too): on a
// machine shared with other work it varies far less than the wall clock.
double processCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

int usage() {
    fprintf(stderr,
            "usage: vask_screenshot --map FILE [--pos x,y,z --yaw Y --pit P] [--size WxH] [--frames N] "
            "[--shadows N] [--sun x,y,z] [--time] [--text T] [--shown FILE.png] --out FILE.png\n");
    return 2;
}

bool parse(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; i++) {
        std::string a = argv[i];
        if (a == "--time") {
            o.time = true;
            continue;
        }
        if (i + 1 >= argc) return false;
        const char* v = argv[++i];
        if (a == "--map") o.map = v;
        else if (a == "--out") o.out = v;
        else if (a == "--text") o.text = v;
        else if (a == "--shown") o.shown = v;
        else if (a == "--pos") {
            o.hasPos = sscanf(v, "%f,%f,%f", &o.pos.x, &o.pos.y, &o.pos.z) == 3;
            if (!o.hasPos) return false;
        } else if (a == "--sun") {
            o.hasSun = sscanf(v, "%f,%f,%f", &o.sun.x, &o.sun.y, &o.sun.z) == 3;
            if (!o.hasSun) return false;
        } else if (a == "--yaw") o.yaw = float(atof(v)), o.hasYaw = true;
        else if (a == "--pit") o.pit = float(atof(v)), o.hasPit = true;
        else if (a == "--size") {
            if (sscanf(v, "%dx%d", &o.width, &o.height) != 2 || o.width < 16 || o.height < 16 || o.width > 8192 ||
                o.height > 8192)
                return false;
        } else if (a == "--frames") o.frames = std::max(1, atoi(v));
        else if (a == "--shadows") o.shadows = atoi(v);
        else return false;
    }
    return !o.map.empty() && !o.out.empty();
}

// White text from the character sheet, word-wrapped into the top of the
// picture, drawn the way the HUD and dialogs draw theirs.
void drawCaption(const std::string& text) {
    GLuint post = shaders["post"];
    glUseProgram(post);
    glUniform1i(glGetUniformLocation(post, "mode"), 3);
    glUniform3f(glGetUniformLocation(post, "uColor"), 1.0f, 1.0f, 1.0f);
    glm::mat4 model = glm::translate(glm::mat4(1.0f), vec3(3, 97, 0));
    glUniformMatrix4fv(glGetUniformLocation(post, "modelMatrix"), 1, GL_FALSE, glm::value_ptr(model));
    TextRenderer caption("TextAB");
    caption.setRenderSize(2.0f, 3.5f);
    caption.renderToBox(text, 94, 14);
    glUniformMatrix4fv(glGetUniformLocation(post, "modelMatrix"), 1, GL_FALSE, glm::value_ptr(glm::mat4(1.0f)));
    glUseProgram(0);
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    if (!parse(argc, argv, o)) return usage();

    if (o.shadows >= 0) gameOptions.setString("SHADOWS", std::to_string(o.shadows));
    GameWindow gl;
    if (!gl.open("The Vask screenshot", o.width, o.height)) return 1;
    int status = 0;
    {
        auto world = std::make_unique<World>(100, 100, 100, gl.window);
        if (!world->read(o.map)) fprintf(stderr, "%s: loaded with problems\n", o.map.c_str());
        if (o.hasPos) world->player.setPos(o.pos);
        if (o.hasYaw) world->player.yaw = o.yaw;
        if (o.hasPit) world->player.pit = o.pit;
        if (o.hasSun) world->sunPos = o.sun;

        std::vector<double> frameMs, cpuMs;
        for (int i = 0; i < o.frames; i++) {
            auto t0 = std::chrono::steady_clock::now();
            double c0 = processCpuMs();
            // The last frame stays in the back buffer for --shown to read.
            world->presentFrames = o.shown.empty() || i + 1 < o.frames;
            world->render(i);
            glFinish();
            frameMs.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
            cpuMs.push_back(processCpuMs() - c0);
        }
        if (o.time) {
            // The first frame builds every mesh; the median is of the rest.
            std::vector<double> steady(frameMs.begin() + (frameMs.size() > 1 ? 1 : 0), frameMs.end());
            std::sort(steady.begin(), steady.end());
            std::vector<double> cpu(cpuMs.begin() + (cpuMs.size() > 1 ? 1 : 0), cpuMs.end());
            std::sort(cpu.begin(), cpu.end());
            // The fastest frame is what the frame costs when nothing else
            // on a shared machine gets in its way; it compares two builds better.
            printf("frame: median %.2f ms over %zu frames (first frame %.2f ms); processor time %.2f ms; "
                   "fastest %.2f ms, processor %.2f ms\n",
                   steady[steady.size() / 2], steady.size(), frameMs[0], cpu[cpu.size() / 2], steady[0], cpu[0]);
        }
        if (!o.shown.empty() && !gl.saveBackBuffer(o.shown)) status = 1;
        // render() ends with a swap, after which the back buffer is undefined:
        // compose the last scene once more without swapping and read that.
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        world->renderForDialog();
        if (world->editorMode) world->pRend.renderEditorHUD();
        else world->pRend.renderHUD();
        if (!o.text.empty()) drawCaption(o.text);
        glFinish();
        GameWindow::noGlErrors();  // reported; the picture is still written
        if (!gl.saveBackBuffer(o.out)) status = 1;
        else printf("wrote %s (%dx%d, %d frames)\n", o.out.c_str(), o.width, o.height, o.frames);
    }
    return status;
}
