#pragma once
// Base of the network machines: linked without wires to every machine in reach,
// keeping a route to the ship, watching their pattern blocks.
#include "machines/ActiveBlock.h"
#include "machines/Resource.h"

#include <list>
#include <set>
#include <vector>

class Ship;

class Netable : public ActiveBlock {
public:
    float range;
    bool connected;
    std::list<Netable*> path;
    std::set<vec3, veccomp> blocks;
    int blockHead;
    bool reqLock;
    std::list<Netable*> adjacent;
    unsigned int Nvao, Nvbo[3];
    int lastSize;
    // The beam ends the link geometry was built for: a link that died and one
    // made in the same frame keep the count but must still move the beam.
    std::vector<vec3> linkEnds;

    // f is the base range (scaled by the ship's sensors level), b the head block type.
    Netable(World* w, float f, int b);
    ~Netable() override;

    void update(long long tick) override;
    void render(unsigned int program) override;
    bool isNetable() override;
    void setPos(vec3 p) override;

    virtual bool inNetwork(Netable* curent, Netable* goal, std::set<Netable*>& marked);
    virtual void takeCargo(resourceStruct r) = 0;
    virtual bool handleRequest(resourceStruct res, Netable* n) = 0;
    virtual void reNet();

    void addNeighbor(Netable* n);
    void removeNeighbor(Netable* n);

    // Draws the link beams; kept apart so the network logic needs no GL.
    void renderLinks(unsigned int program);
};

void establishConnection(World* w, std::list<Netable*>& net, Netable* n);
// Two network machines link when closer than their ranges added.
bool withinReach(const Netable* a, const Netable* b);
// Links every network machine of a freshly loaded world, which the loader
// puts in place without the placement that links machines in play.
void linkLoadedMachines(World* w);
// The network machine or enemy turret nearest to pos, or none.
ActiveBlock* getClosestNetable(World* w, vec3 pos);
void returnMatter(Ship* s, int type);
resourceStruct& getShipStore(Ship* s);
// The giver's rule shared by relays, the ship and factories: hand over what was
// asked (or everything for -1, or all there is when short) as a packet to n.
bool giveFromStore(World* w, Netable* giver, resourceStruct& store, resourceStruct res, Netable* n);
// The same rule for one kind of goods, also for the generator's and the mine's
// own stocks: takes what goes out of `stock` and returns it.
template <class T>
T handOver(T& stock, T asked) {
    if (asked == T(-1) || stock < asked) {
        T all = stock;
        stock = 0;
        return all;
    }
    stock -= asked;
    return asked;
}
