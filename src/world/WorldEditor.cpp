// The map editor's step: the player flies and looks, the queued vask spreads,
// machines run their editor behaviour, and the editor's panel buttons act.
#include "machines/ActiveBlock.h"
#include "panels/DialogMenu.h"
#include "panels/Event.h"
#include "panels/StatusScreen.h"
#include "world/World.h"

#include <glm/gtc/matrix_transform.hpp>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Panel text read as a decimal number and truncated; anything that is not a
// number reads as 0, and the value is kept within [lo, hi].
long long readDecimal(const std::string& text, double lo, double hi) {
    const char* begin = text.c_str();
    char* end = nullptr;
    double v = std::strtod(begin, &end);
    if (end == begin || !std::isfinite(v)) return 0;
    return (long long)std::trunc(std::max(lo, std::min(hi, v)));
}

long long readTime(StatusScreen* s) { return readDecimal(s->getText("Time"), -9.0e18, 9.0e18); }

// A list built again with one more row above its buttons: the buttons stay
// where they were (one step further scrolled) once the list has to scroll, so
// "Add" can be clicked again without looking for it.
void keepScrollAfterAdding(World* w, int offset) {
    StatusScreen* s = getStatusScreen(w);
    s->offset = offset + StatusScreen::ROW_STEP;
    s->setOffset(0);
}

}  // namespace

void World::editorTick(long long) {
    updatePlayer();
    // Vask reaching an objective loses a game, but nothing is won or lost in
    // the editor: the session must go on.
    int before = result;
    spreadSinceSave.insert(convertQueue.begin(), convertQueue.end());
    updateConverts();
    result = before;

    glm::mat4 look = glm::rotate(glm::mat4(1.0f), glm::radians(-player.yaw), vec3(0, 1, 0));
    look = glm::rotate(look, glm::radians(-player.pit), vec3(1, 0, 0));
    vec3 dir = vec3(look * glm::vec4(0, 0, -1, 0));
    player.selected = rayTrace(player.pos, dir, 10, &player.selFace);

    for (ActiveBlock* a : actives) a->editorUpdate();

    if (saveButton || publishButton) {
        bool publish = publishButton != 0;
        saveButton = publishButton = 0;
        bool saved = true;
        if (StatusScreen* s = getStatusScreen(this)) saved = saveEditedMap(s->getText("Save as"), publish);
        // A failed save keeps its panel open: closing it would look like success.
        if (saved) setStatusScreen(this, nullptr);
    }
    if (closeEventsButton) {
        closeEventsButton = 0;
        setStatusScreen(this, nullptr);
    }
    if (strengthButton) {
        strengthButton = 0;
        // A cell holds a 16-bit strength; larger numbers would wrap to negative ones.
        if (StatusScreen* s = getStatusScreen(this))
            player.placeData = int(readDecimal(s->getText("Vask Strength"), 0, 32767));
        setStatusScreen(this, nullptr);
    }
    if (addEventButton) {
        addEventButton = 0;
        if (StatusScreen* s = getStatusScreen(this)) {
            events.push_back(Event());
            events.back().activate = displayDialog;
            // The list is built again so the new event stands with the others,
            // above "Add" and "Back".
            int scrolled = s->offset;
            DialogMenu(player);
            keepScrollAfterAdding(this, scrolled);
        }
    }

    for (auto e = events.begin(); e != events.end();) {
        if (e->addDialogButton) {
            e->addDialogButton = 0;
            e->items.push_back(DialogItem("name", "text", "texture"));
            // As with events: the new line joins the others above the panel's
            // buttons. The time typed so far is kept.
            if (StatusScreen* s = getStatusScreen(this)) {
                int scrolled = s->offset;
                e->time = readTime(s);
                openEventPanel(this, *e);
                keepScrollAfterAdding(this, scrolled);
            }
        }
        if (e->delButton) {
            e->delButton = 0;
            e = events.erase(e);
            DialogMenu(player);
            continue;
        }
        if (e->backDialogButton) {
            e->backDialogButton = 0;
            if (StatusScreen* s = getStatusScreen(this)) e->time = readTime(s);
            DialogMenu(player);
        }
        if (e->menuInt) {
            e->menuInt = 0;
            openEventPanel(this, *e);
        }
        for (auto d = e->items.begin(); d != e->items.end();) {
            if (d->editButton) {
                d->editButton = 0;
                if (StatusScreen* s = getStatusScreen(this)) e->time = readTime(s);
                openDialogItemPanel(this, *d);
            }
            if (d->saveButton) {
                d->saveButton = 0;
                if (StatusScreen* s = getStatusScreen(this)) {
                    d->speaker = s->getText("Name");
                    d->text = s->getText("Text");
                    d->tex = s->getText("Texture");
                }
                e->menuInt = 1;
            }
            if (d->delButton) {
                d->delButton = 0;
                d = e->items.erase(d);
                // The open panel points at the deleted line: replace it now, not
                // a frame later, so no input can reach it.
                openEventPanel(this, *e);
                continue;
            }
            ++d;
        }
        ++e;
    }
}

bool World::saveEditedMap(const std::string& name, bool publish) {
    char kept = mapType;
    if (publish) mapType = 2;
    bool saved = write("Maps/" + name + ".map");
    mapType = kept;
    if (saved) markSaved();
    return saved;
}

void World::markSaved() {
    savedBlocks = blocks;
    savedRecords = recordBytes();
    spreadSinceSave.clear();
}

bool World::hasUnsavedChanges() {
    if (recordBytes() != savedRecords || savedBlocks.size() != blocks.size()) return true;
    // As the file sees cells: a type, and a strength only for vask.
    for (size_t i = 0; i < blocks.size(); i++) {
        const Block &now = blocks[i], &then = savedBlocks[i];
        if (now.type == then.type && (now.type != 2 || now.data == then.data)) continue;
        size_t column = i / depth;
        vec3 c(float(column / height), float(column % height), float(i % depth));
        if (!spreadSinceSave.count(c)) return true;
    }
    return false;
}
