// The actors of a map source: the player's start, the ship, minds and enemy
// turrets, each put into the world the way the game puts it there.
#include "MapScript.h"

#include "machines/AutoTurret.h"
#include "machines/Ship.h"
#include "machines/VaskMind.h"
#include "world/World.h"
#include "world/BlockLookup.h"

namespace mapsource {

void Script::placePlayer(const std::vector<std::string>& t) {
    need(t, 2, 3);
    ensureGrid();
    int x = num(t[1]), z = num(t[t.size() - 1]);
    float y = t.size() == 4 ? float(yAt(t[2], x, z)) : float(groundTop(x, z) + 5);
    if (!w->inWorld(x, 0, z)) fail("player outside the world");
    w->player.setPos(vec3(x + 0.5f, y + 0.2f, z + 0.5f));
    keepClear.push_back({float(x), float(z), 4.0f});
    hasPlayer = true;
}

void Script::addShip(const std::vector<std::string>& t) {
    need(t, 3, 3);
    ensureGrid();
    int x = num(t[1]), z = num(t[3]);
    int y = yAt(t[2], x, z);
    if (!w->inWorld(x, y, z)) fail("ship outside the world");
    if (w->theShip) fail("a map holds one ship");
    Ship* ship = new Ship(w);
    w->setActiveBlockAndUpdate(x, y, z, ship);
    w->theShip = ship;
}

void Script::addMind(const std::vector<std::string>& t) {
    if (t.size() < 4) fail("'mind X Y Z [ai=N strength=N speed=N size=N]'");
    int x = num(t[1]), z = num(t[3]);
    int y = yAt(t[2], x, z);
    if (!w->inWorld(x, y, z)) fail("mind outside the world");
    auto o = options(t, 4, {"ai", "strength", "speed", "size"});
    int ai = o.count("ai") ? num(o["ai"]) : 0;
    int strength = o.count("strength") ? num(o["strength"]) : 10;
    int speed = o.count("speed") ? num(o["speed"]) : 50;
    int size = o.count("size") ? num(o["size"]) : 1;
    if (ai < 0 || ai > 15) fail("mind ai runs from 0 to 15");
    if (strength < 1 || strength > 32767) fail("mind strength runs from 1 to 32767");
    if (speed < 1) fail("mind speed must be 1 or more");
    if (size < 1 || size > 32) fail("mind size runs from 1 to 32");
    w->setActiveBlockAndUpdate(x, y, z, new VaskMind(w, ai, strength, speed, size));
}

void Script::addTurret(const std::vector<std::string>& t) {
    if (t.size() < 4) fail("'turret X Y Z [dmg=N rate=N range=R ammo=N barrel=B,B dir=+x]'");
    int x = num(t[1]), z = num(t[3]);
    int y = yAt(t[2], x, z);
    if (!w->inWorld(x, y, z)) fail("turret outside the world");
    auto o = options(t, 4, {"dmg", "rate", "range", "ammo", "barrel", "dir"});
    AutoTurret* turret = new AutoTurret(w);
    try {
        if (o.count("dmg")) turret->dmg = num(o["dmg"]);
        if (o.count("rate")) turret->rate = num(o["rate"]);
        if (o.count("range")) turret->range = parseFloat(o["range"]);
        if (o.count("ammo")) turret->ammo = num(o["ammo"]);
        if (turret->dmg < 0) fail("turret dmg must not be negative");
        if (turret->rate < 2) fail("turret rate must be 2 or more");
        if (turret->range < 1.0f || turret->range > 64.0f) fail("turret range runs from 1 to 64");
        if (turret->ammo < 0 || turret->ammo > 2) fail("turret ammo is 0 (shells), 1 (bullets) or 2 (bullets, also at you)");
        std::string dir = o.count("dir") ? lower(o["dir"]) : "+x";
        int dx = 0, dz = 0;
        if (dir == "+x") dx = 1;
        else if (dir == "-x") dx = -1;
        else if (dir == "+z") dz = 1;
        else if (dir == "-z") dz = -1;
        else fail("turret dir is +x, -x, +z or -z");
        // The barrel: the first block on top of the turret, the rest reaching out along dir.
        std::string barrel = o.count("barrel") ? o["barrel"] : "metal,metal";
        size_t at = 0;
        for (int k = 0; at <= barrel.size(); k++) {
            size_t comma = barrel.find(',', at);
            if (comma == std::string::npos) comma = barrel.size();
            int type = blockType(barrel.substr(at, comma - at));
            if (!blockAttrib(type).machine || type == 14 || type == 15 || type == 6)
                fail("barrel blocks must be machine parts (matter, gen, cap, relay, sensor, metal)");
            int bx = x + (k == 0 ? 0 : k * dx), bz = z + (k == 0 ? 0 : k * dz);
            if (!w->inWorld(bx, y + 1, bz)) fail("turret barrel outside the world");
            w->setBlock(bx, y + 1, bz, type, 0);
            at = comma + 1;
        }
    } catch (...) {
        delete turret;
        throw;
    }
    // The barrel stays in the cells as the editor would keep it; the game lifts
    // it into the turret when the map is loaded.
    bool editing = w->editorMode;
    w->editorMode = true;
    w->setActiveBlockAndUpdate(x, y, z, turret);
    w->editorMode = editing;
}

}  // namespace mapsource
