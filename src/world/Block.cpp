#include "world/Block.h"

std::map<int, BlockAttrib> blockAttribs;

BlockAttrib::BlockAttrib()
    : tex(), renderPass(0), passable(false), machine(false), organic(false), minable(true),
      grass(false), shiny(0.0f, 0.0f) {}

BlockAttrib::BlockAttrib(std::string t, int pass, bool p)
    : tex(t), renderPass(pass), passable(p), machine(false), organic(false), minable(true),
      grass(false), shiny(0.15f, 2.0f) {}

BlockAttrib& BlockAttrib::setMachine(bool b) { machine = b; return *this; }
BlockAttrib& BlockAttrib::setMineable(bool b) { minable = b; return *this; }
BlockAttrib& BlockAttrib::setOrganic(bool b) { organic = b; return *this; }
BlockAttrib& BlockAttrib::setGrass(bool b) { grass = b; return *this; }
BlockAttrib& BlockAttrib::setShiny(float x, float y) { shiny = vec2(x, y); return *this; }

void setupBlockAttribs() {
    auto& a = blockAttribs;
    a[0] = BlockAttrib("", 0, true).setMineable(false);
    a[1] = BlockAttrib("", 1, false).setMineable(false);
    a[2] = BlockAttrib("vask", 2, true).setMineable(false).setShiny(0, 1);
    a[3] = BlockAttrib("stone", 1, false);
    a[4] = BlockAttrib("brick", 1, false).setShiny(0.01f, 1);
    a[5] = BlockAttrib("mind", 1, false).setMineable(false);
    a[6] = BlockAttrib("", 0, false).setMachine(true);
    a[7] = BlockAttrib("", 0, true).setMineable(false);
    a[8] = BlockAttrib("broke", 1, false);
    a[9] = BlockAttrib("matterBlock", 1, false).setMachine(true);
    a[10] = BlockAttrib("genBlock", 1, false).setMachine(true);
    a[11] = BlockAttrib("capBlock", 1, false).setMachine(true);
    a[12] = BlockAttrib("relayBlock", 1, false).setMachine(true);
    a[13] = BlockAttrib("sensorBlock", 1, false).setMachine(true);
    a[14] = BlockAttrib("machine", 1, false).setMachine(true);
    a[15] = BlockAttrib("machine", 0, false).setMachine(true);
    a[16] = BlockAttrib("deadMind", 1, false);
    a[17] = BlockAttrib("trunk", 1, false).setOrganic(true);
    a[18] = BlockAttrib("leaves", 1, false).setOrganic(true).setShiny(0.1f, 2);
    a[19] = BlockAttrib("water", 3, true).setOrganic(true).setShiny(0.6f, 10);
    a[20] = BlockAttrib("stoneDark", 1, false);
    a[21] = BlockAttrib("stoneSand", 1, false);
    a[22] = BlockAttrib("BBlock", 1, false);
    a[23] = BlockAttrib("clover", 1, false).setGrass(true);
    a[24] = BlockAttrib("grass", 1, false).setGrass(true);
    a[25] = BlockAttrib("grass2", 1, false).setGrass(true);
    a[26] = BlockAttrib("grass3", 1, false).setGrass(true);
    a[27] = BlockAttrib("grass4", 1, false).setGrass(true);
    a[28] = BlockAttrib("grass5", 1, false).setGrass(true);
    a[29] = BlockAttrib("road", 1, false).setShiny(0.1f, 1);
    a[30] = BlockAttrib("road2", 1, false).setShiny(0.1f, 1);
    a[31] = BlockAttrib("road3", 1, false).setShiny(0.1f, 1);
    a[32] = BlockAttrib("roof", 1, false).setShiny(0.05f, 1);
    a[33] = BlockAttrib("dirt", 1, false);
    a[34] = BlockAttrib("obj", 1, false).setMineable(false);
    a[35] = BlockAttrib("conc1", 1, false).setShiny(0, 1);
    a[36] = BlockAttrib("conc2", 1, false).setShiny(0, 1);
    a[37] = BlockAttrib("woodTile", 1, false);
    a[38] = BlockAttrib("marble", 1, false).setShiny(0.03f, 10);
    a[39] = BlockAttrib("wood", 1, false).setOrganic(true);
    a[40] = BlockAttrib("pine", 1, false).setOrganic(true);
    a[41] = BlockAttrib("window", 7, false);
    a[42] = BlockAttrib("redDesert", 1, false);
    a[43] = BlockAttrib("pink", 1, false);
    a[44] = BlockAttrib("blue", 1, false);
    a[45] = BlockAttrib("green", 1, false);
    a[46] = BlockAttrib("wheel", 4, false).setShiny(0, 1);
    a[47] = BlockAttrib("metal", 1, false).setMachine(true).setShiny(0.6f, 10);
    a[48] = BlockAttrib("rolldoor", 1, false);
    a[49] = BlockAttrib("fence", 5, false);
    a[50] = BlockAttrib("redC", 6, false);
    a[51] = BlockAttrib("goldE", 1, false);
    a[52] = BlockAttrib("goldA", 1, false).setShiny(0.6f, 10);
    a[53] = BlockAttrib("roof2", 1, false);
}
