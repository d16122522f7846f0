#pragma once
// Every sound effect the game plays, by its file name without ".wav".
#include <string>
#include <vector>

#include "Synth.h"

namespace soundgen {

struct Recipe {
    std::string name;
    Sound (*make)();
};

const std::vector<Recipe>& allRecipes();

// Peak level every effect is scaled to: about -2 dBFS, so the game's mixer has
// a little headroom and nothing is ever written at full scale.
constexpr float kPeak = 0.79f;

Sound makeOn();
Sound makeOff();
Sound makeLaser(int variant);  // 1..4
Sound makeCharge();
Sound makeImplosion();
Sound makeShieldHit();
Sound makeBreak();
Sound makeDig();
Sound makePlaceCrack();
Sound makePlaceSolid();
Sound makeDeathCry();

} // namespace soundgen
