// Draws the weapons' geometry in a real GL context with a flat test shader:
// barrels, domes, shell streaks and the singularity's quad must each put
// pixels on the screen without a GL error, and the lens buffer must be complete.
#include "machines/AutoTurret.h"
#include "machines/Mortor.h"
#include "machines/Projectiles.h"
#include "machines/Shield.h"
#include "machines/Turret.h"
#include "shell/GameOptions.h"
#include "world/World.h"

#include <GL/glew.h>
#include <SDL2/SDL.h>

#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/type_ptr.hpp>

#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

extern std::map<std::string, unsigned int> shaders;
extern glm::mat4 projectionMat;

namespace {

const int W = 320, H = 240;

GLuint compile(GLenum type, const char* src) {
    GLuint s = glCreateShader(type);
    glShaderSource(s, 1, &src, nullptr);
    glCompileShader(s);
    return s;
}

GLuint flatProgram() {
    const char* vs =
        "#version 130\n"
        "in vec3 in_Position; in vec2 in_Tex;\n"
        "uniform mat4 projectionMatrix, viewMatrix, modelMatrix;\n"
        "void main() { gl_Position = projectionMatrix * viewMatrix * modelMatrix * vec4(in_Position, 1.0); }\n";
    const char* fs =
        "#version 130\n"
        "uniform int mode;\n"
        "out vec4 colour;\n"
        "void main() { colour = vec4(1.0, float(mode) / 10.0, 0.5, 1.0); }\n";
    GLuint p = glCreateProgram();
    glAttachShader(p, compile(GL_VERTEX_SHADER, vs));
    glAttachShader(p, compile(GL_FRAGMENT_SHADER, fs));
    glBindAttribLocation(p, 0, "in_Position");
    glBindAttribLocation(p, 2, "in_Tex");
    glLinkProgram(p);
    GLint ok = 0;
    glGetProgramiv(p, GL_LINK_STATUS, &ok);
    return ok ? p : 0;
}

int litPixels() {
    std::vector<unsigned char> px(W * H * 4);
    glReadPixels(0, 0, W, H, GL_RGBA, GL_UNSIGNED_BYTE, px.data());
    int n = 0;
    for (int i = 0; i < W * H; i++)
        if (px[i * 4] > 0) n++;
    return n;
}

int failures = 0;

void check(const char* what, GLuint program, const std::function<void()>& draw, bool expectPixels) {
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glViewport(0, 0, W, H);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glUseProgram(program);
    draw();
    GLenum err = glGetError();
    int lit = litPixels();
    bool ok = err == GL_NO_ERROR && (!expectPixels || lit > 0);
    printf("%-28s %s (pixels %d, GL error 0x%x)\n", what, ok ? "ok" : "FAILED", lit, err);
    if (!ok) failures++;
}

}  // namespace

int main() {
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        fprintf(stderr, "SDL_Init failed: %s\n", SDL_GetError());
        return 1;
    }
    SDL_Window* win = SDL_CreateWindow("weapons", 0, 0, W, H, SDL_WINDOW_OPENGL);
    SDL_GLContext ctx = win ? SDL_GL_CreateContext(win) : nullptr;
    if (!ctx || glewInit() != GLEW_OK) {
        fprintf(stderr, "no GL context\n");
        return 1;
    }
    setupBlockAttribs();
    // The world's drawing restores the viewport to the window size the settings give.
    gameOptions.setString("XRES", std::to_string(W));
    gameOptions.setString("YRES", std::to_string(H));
    glEnable(GL_DEPTH_TEST);
    GLuint block = flatProgram();
    if (!block) {
        fprintf(stderr, "test shader did not link\n");
        return 1;
    }
    shaders["block"] = block;
    shaders["shadow"] = flatProgram();
    projectionMat = glm::perspective(glm::radians(57.0f), float(W) / H, 0.5f, 1000.0f);

    {
        World world(30, 30, 30, nullptr);
        world.player.pos = vec3(10.5f, 9.0f, 2.5f);
        world.player.yaw = 180;
        world.player.pit = 0;
        glm::mat4 view = glm::lookAt(vec3(10.5f, 9.0f, 2.5f), vec3(10.5f, 7.0f, 10.5f), vec3(0, 1, 0));
        for (GLuint p : {shaders["block"], shaders["shadow"]}) {
            glUseProgram(p);
            glUniformMatrix4fv(glGetUniformLocation(p, "projectionMatrix"), 1, GL_FALSE, glm::value_ptr(projectionMat));
            glUniformMatrix4fv(glGetUniformLocation(p, "viewMatrix"), 1, GL_FALSE, glm::value_ptr(view));
        }
        glGetError();

        world.setBlockAndUpdate(10, 7, 10, 12, 0);
        world.setBlockAndUpdate(11, 7, 10, 9, 0);
        resourceStruct cmp;
        cmp.gens = 2;
        cmp.relays = 1;
        std::set<vec3, veccomp> s{vec3(10, 6, 10), vec3(10, 7, 10), vec3(11, 7, 10)};
        std::list<std::pair<vec3, int>> top{{vec3(10, 7, 10), 12}, {vec3(11, 7, 10), 9}};
        Turret* turret = new Turret(&world, cmp, s, top, 9);
        world.setActiveBlockAndUpdate(10, 6, 10, turret);
        turret->target = vec3(14, 6, 20);
        check("turret barrel", block, [&] { turret->render(block); }, true);
        check("turret barrel, shadow pass", shaders["shadow"], [&] { turret->render(shaders["shadow"]); }, true);

        world.setBlockAndUpdate(10, 8, 12, 12, 0);
        std::set<vec3, veccomp> ms{vec3(10, 7, 12), vec3(10, 8, 12)};
        std::list<vec3> dome{vec3(10, 8, 12)};
        Mortor* mortor = new Mortor(&world, cmp, ms, dome, 2.0f);
        world.setActiveBlockAndUpdate(10, 7, 12, mortor);
        check("mortar dome", block, [&] { mortor->render(block); }, true);

        world.setBlockAndUpdate(12, 8, 10, 47, 0);
        AutoTurret* enemy = new AutoTurret(&world);
        world.setActiveBlockAndUpdate(12, 7, 10, enemy);
        check("enemy turret barrel", block, [&] { enemy->render(block); }, true);

        Shield* shield = new Shield(&world, cmp, s);
        world.setActiveBlockAndUpdate(8, 6, 10, shield);
        shield->strength = 10;
        check("shield bubble", block, [&] { shield->render(block); }, false);

        EntityProjectile shell(&world, vec3(8.5f, 6.5f, 9.5f), {vec3(12.5f, 8.5f, 11.5f)}, 1);
        check("shell streak", block, [&] { shell.render(block); }, true);
        EntityKineticProjectile bullet(&world, vec3(8.5f, 6.5f, 9.5f), {vec3(12.5f, 8.5f, 11.5f)}, 1);
        check("kinetic bullet", block, [&] { bullet.render(block); }, false);

        EntityMSingularity sing(&world, vec3(10.5f, 7.5f, 10.5f), {vec3(10.5f, 7.5f, 20.5f)}, 5, 1.0f);
        if (!sing.frameBuffer) {
            printf("singularity lens buffer missing\n");
            failures++;
        }
        gameOptions.setString("SINGULARITY", "false");
        check("singularity, lens off", block, [&] { sing.render(block); }, true);
        gameOptions.setString("SINGULARITY", "true");
        check("singularity, lens on", block, [&] { sing.render(block); }, true);
        if (rendering) {
            printf("rendering flag left set\n");
            failures++;
        }
        // Behind the player's camera nothing is drawn at all.
        world.player.yaw = 0;
        check("singularity behind the eye", block, [&] { sing.render(block); }, false);
        if (litPixels() != 0 || rendering) {
            printf("singularity behind the camera was drawn\n");
            failures++;
        }
        world.player.yaw = 180;
        rendering = true;
        check("singularity inside its lens", block, [&] { sing.render(block); }, false);
        if (litPixels() != 0) {
            printf("singularity drew itself into its own lens\n");
            failures++;
        }
        rendering = false;
    }

    SDL_GL_DeleteContext(ctx);
    SDL_DestroyWindow(win);
    SDL_Quit();
    printf(failures ? "weapon drawing FAILED\n" : "weapon drawing ok\n");
    return failures ? 1 : 0;
}
