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

    // Steps the behaviours share.
    // Neither vask, nor a mind, nor outside the world.
    bool isFree(int x, int y, int z);
    bool isAir(int x, int y, int z);
    void placeVask(int x, int y, int z);
    // The first qualifying cell of the box of half-width `half` around the mind
    // (x, then y, then z, each from the lowest offset) becomes vask; true when one did.
    bool fillBox(int half, bool anyFree);
    // A fresh random target column; y is the ground height there plus `lift`.
    void newRandomTarget(int lift);
    // A zero y for the blob behaviours, which only steer by x and z.
    void newFlatTarget();
    bool targetTaken();
    // The body slide of the slime and slug: vask in the shell around the body
    // cube (from y offset `lowest` up) gives way to air inside the body.
    void slideCube(int lowest);
};
