// Playing a world: the frame loop, one simulation step, the pause menu, the end
// test and the player's part of a step.
#include "flow/Input.h"
#include "flow/StepPacer.h"
#include "machines/ActiveBlock.h"
#include "machines/Netable.h"
#include "machines/Ship.h"
#include "machines/VaskMind.h"
#include "panels/StatusScreen.h"
#include "shell/GameOptions.h"
#include "world/World.h"

#include <SDL2/SDL_events.h>
#include <glm/gtc/matrix_transform.hpp>

#include <cstdio>

static const std::map<int, std::string> BUTTON_TEX = {{0, "button"}, {1, "unbutton"}};

unsigned int World::run() { return run(steadyPaceClock()); }

unsigned int World::run(const PaceClock& clock) {
    long long count = 0;
    int finalScreen = 0;
    // What the editor opened (or generated) counts as saved until it is changed.
    if (editorMode) markSaved();
    StepPacer play(clock, gameOptions.getInt("MAX_FPS", 0), &rateMeter);
    play.run(
        [&] {
            count++;
            if (editorMode) {
                editorTick(count);
                editorInput(result, player);
            } else {
                gameInput(result, player);
                tick(count);
            }
            if (result == -1) pause(count);
            return result == 0;
        },
        [&] {
            if (screen) render(count);
        });
    printf("%s\n", rateMeter.summary().c_str());
    fflush(stdout);

    if (result == 1) {
        for (auto it = events.begin(); it != events.end();) {
            if (it->time != -1) {
                ++it;
                continue;
            }
            if (it->activate) it->activate(&*it, this);
            it = events.erase(it);
        }
    }

    setBlock(1, 1, 1, 14, 0);
    StatusScreen* end = new StatusScreen(result == 1 ? "Victory" : "Failure", vec3(0, 0, 0));
    end->addButton(SButton("Back to Menu", {{0, "asept"}, {1, "unsept"}}, &finalScreen, 2, 0));
    setStatusScreen(this, end);
    // The end screen's frames count towards a won game's time, so they keep
    // the same clock.
    StepPacer ending(clock);
    ending.run(
        [&] {
            count++;
            gameInput(finalScreen, player);
            player.health -= 1;
            return finalScreen == 0 && getStatusScreen(this) != nullptr;
        },
        [&] {
            if (screen) render(count);
        });
    // The panel's button points at finalScreen; it must not outlive this call.
    setStatusScreen(this, nullptr);
    return result == 1 ? (unsigned int)count : 0;
}

void World::tick(long long l) {
    for (auto it = events.begin(); it != events.end();) {
        if (it->time != l) {
            ++it;
            continue;
        }
        if (it->activate) it->activate(&*it, this);
        it = events.erase(it);
    }

    updatePlayer();
    updateConverts();

    sunPos = vec3(glm::rotate(glm::mat4(1.0f), glm::radians(0.001f), vec3(1, 0, 0)) * glm::vec4(sunPos, 0));

    glm::mat4 look = glm::rotate(glm::mat4(1.0f), glm::radians(-player.yaw), vec3(0, 1, 0));
    look = glm::rotate(look, glm::radians(-player.pit), vec3(1, 0, 0));
    vec3 dir = vec3(look * glm::vec4(0, 0, -1, 0));
    player.selected = rayTrace(player.pos, dir, 10, &player.selFace);

    bool netChanged = false, died = false;
    // Machines may add machines while they update; list iterators survive that.
    for (auto it = actives.begin(); it != actives.end();) {
        ActiveBlock* a = *it;
        if (a->alive) {
            a->update(l);
            ++it;
            continue;
        }
        if (a->isNetable()) {
            unlink(static_cast<Netable*>(a));
            netChanged = true;
        }
        if (a == static_cast<ActiveBlock*>(theShip)) theShip = nullptr;
        it = actives.erase(it);
        delete a;
        died = true;
    }
    // A panel whose machine just died must not be used by the next input.
    if (died) pRend.closeVanishedPanel();

    checkEnd();
    if (netChanged) updateNet();

    for (auto& row : sectors)
        for (auto& sector : row) sector.update();
}

void World::checkEnd() {
    bool mind = false, ship = false;
    for (ActiveBlock* a : actives) {
        if (a->getType() == TYPE_MIND) mind = true;
        if (a->getType() == TYPE_SHIP) ship = true;
    }
    if (player.health < 0) result = 2;
    if (!ship) result = 2;
    if (!mind) result = 1;
}

void World::updatePlayer() {
    player.update();
    if (hurtPlayer()) player.health -= 2;
    if (player.remStatus == 0 && player.remBlock != vec3(0, 0, 0)) {
        vec3 r = player.remBlock;
        if (theShip) returnMatter(theShip, getBlock(r).type);
        setBlockAndUpdate(int(r.x), int(r.y), int(r.z), 0, 0);
        player.remBlock = vec3(0, 0, 0);
    }
}

bool World::hurtPlayer() {
    vec3 p = player.pos, s = player.size;
    for (float x = p.x - s.x; x < p.x + s.x; x = float(double(x) + 0.49))
        for (float y = p.y - s.y; y < p.y; y = float(double(y) + 0.49))
            for (float z = p.z - s.z; z < p.z + s.z; z = float(double(z) + 0.49))
                if (getBlock(vec3(x, y, z)).type == 2) return true;
    return false;
}

void World::applyDif(float f) {
    for (ActiveBlock* a : actives)
        if (a->getType() == TYPE_MIND) {
            VaskMind* m = static_cast<VaskMind*>(a);
            // Truncated, but kept within what a cell holds: a weak mind on very
            // easy must not reach 0 (a cell written with 0 gets 10).
            m->strength = clampCellStrength(double(float(m->strength) * f));
        }
}

StatusScreen* makePauseScreen(int& quit, int& resume) {
    StatusScreen* s = new StatusScreen("Paused", vec3(0, 0, 0));
    s->addButton(SButton("Quit", BUTTON_TEX, &quit, 2, 0));
    s->addButton(SButton("Resume", BUTTON_TEX, &resume, 2, 0));
    return s;
}

void World::pause(long long count) {
    // The marker block the pause leaves is no edit the editor should ask about.
    bool clean = editorMode && !hasUnsavedChanges();
    setBlock(0, 0, 0, 14, 0);
    if (clean) markSaved();
    int quit = 0, resume = 0;
    setStatusScreen(this, makePauseScreen(quit, resume));
    // Nothing moves while paused: the picture is drawn again only after input
    // (a click, a key, the window uncovered), so the pause costs no processor.
    bool redraw = true;
    while (!quit && !resume) {
        gameInput(quit, player);
        if (redraw && screen) render(count);
        if (!getStatusScreen(this)) {
            result = 0;
            return;
        }
        redraw = SDL_WaitEventTimeout(nullptr, 500) != 0;
    }
    setStatusScreen(this, nullptr);
    bool leave = quit && !resume && (!editorMode || confirmEditorQuit(count));
    result = leave ? 2 : 0;
}
