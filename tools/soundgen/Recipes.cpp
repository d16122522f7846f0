#include "Recipes.h"

namespace soundgen {

const std::vector<Recipe>& allRecipes() {
    static const std::vector<Recipe> recipes = {
        {"ON", makeOn},
        {"OFF", makeOff},
        {"dead", makeDeathCry},
        {"SH1", makeImplosion},
        {"LH1", [] { return makeLaser(1); }},
        {"LH2", [] { return makeLaser(2); }},
        {"LH3", [] { return makeLaser(3); }},
        {"LH4", [] { return makeLaser(4); }},
        {"SG1", makeCharge},
        {"SD", makeShieldHit},
        {"break", makeBreak},
        {"RM2", makeDig},
        {"place1", makePlaceCrack},
        {"place3", makePlaceSolid},
    };
    return recipes;
}

} // namespace soundgen
