#pragma once
// The removal overlay in the 3D scene and the 2D heads-up display of the game and
// the editor, including the open status panel (owned here).
#include <string>

class Player;
class StatusScreen;

class PlayerRenderer {
public:
    Player* player;
    StatusScreen* screen;
    unsigned int vao;
    unsigned int vbo[3];

    explicit PlayerRenderer(Player* p);
    ~PlayerRenderer();
    PlayerRenderer(const PlayerRenderer&) = delete;
    PlayerRenderer& operator=(const PlayerRenderer&) = delete;

    void renderRemoval();
    void renderHUD();
    void renderEditorHUD();
    std::string getTemplateTex(int x);
    std::string modeToIcon(int m);
    // Closes the open panel when the machine it was opened from is gone (the
    // cursor hides again); true when it closed one.
    bool closeVanishedPanel();

private:
    void createGL();
    void destroyGL();
};
