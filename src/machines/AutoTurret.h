#pragma once
// The enemy turret placed in the editor: needs no network, shoots the vask or,
// in mode 2, the player.
#include "machines/ActiveBlock.h"

#include <list>
#include <utility>

class AutoTurret : public ActiveBlock {
public:
    int dmg;
    int rate;
    int ammo;    // shooting mode, shown as "Type"
    int edited;
    float dir, range, yaw, pit;
    bool playerInRange;
    vec3 target;
    vec3 tip;
    std::list<std::pair<vec3, int>> top;
    unsigned int Tvao, Tvbo[3];

    explicit AutoTurret(World* w);
    ~AutoTurret() override;

    void setPos(vec3 p) override;
    void update(long long tick) override;
    void editorUpdate() override;
    void onClick() override;
    void render(unsigned int program) override;
    int getType() override { return TYPE_AUTOTURRET; }
    int getBlock() override { return 14; }
    void read(std::istream& in) override;
    void write(std::ostream& out) override;

    void findTarget();
    bool canTarget(int x, int y, int z);
};
