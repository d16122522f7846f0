#pragma once
// A source of the vask: one mind cell running one of ten growth behaviours.
#include "machines/ActiveBlock.h"

class VaskMind : public ActiveBlock {
public:
    vec3 target;  // (0,0,0) means none
    int dir;
    int ai;
    int size;
    int speed;
    int strength;
    int ticker;
    int edited;

    VaskMind(World* w, int a, int str, int spd, int si);

    void update(long long tick) override;
    void editorUpdate() override;
    void onClick() override;
    void render(unsigned int) override {}
    int getType() override { return TYPE_MIND; }
    int getBlock() override { return 5; }
    void read(std::istream& in) override;
    void write(std::ostream& out) override;

    void vineAI();
    void centiped();
    void slimeAI();
    void slugAI();
    void saucerAI();
    void archAI();
    void vectorAI();
    void stalkAI();
    void tracerAI();
    void uAI();

    bool testCage();
    vec3 getClosestMachine();
    void move(vec3 np);
    void moveToTarget();
    bool moveToTargetWithWall();
    void moveAndTargetMech(int speed);
};
