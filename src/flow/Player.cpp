#include "flow/Player.h"

#include "shell/GameOptions.h"
#include "world/World.h"

#include <glm/gtc/matrix_transform.hpp>

Player::Player(World* w)
    : yaw(180), pit(0), iVel(0), size(1, 4, 1), selected(0), selFace(0), mass1(0), mass2(0),
      world(w), health(100), remStatus(0), remBlock(0), mode(0), blockMode(0), actMode(0),
      tempMode(0), remMode(0), menu(-1), placeData(10), run(false), pos(50, 95, 50), vel(0),
      speed(0.15f), grav(0.02f), noticeTicks(0),
      keys(KeyBindings::fromOptions(gameOptions)) {}

void Player::update() {
    glm::mat4 R = glm::rotate(glm::mat4(1.0f), glm::radians(yaw), vec3(0, 1, 0));
    glm::vec4 t(iVel.x, iVel.y, iVel.z, 0);
    if (t != glm::vec4(0)) t = glm::normalize(t) * speed * 0.1f * (run ? 2.5f : 1.0f);
    // Row vector times R: the heading turns the step (the transpose of R applied).
    t = t * R;
    t.y = iVel.y;
    vel *= 0.9f;
    vel.x += t.x;
    vel.y += t.y - grav;
    vel.z += t.z;

    vec3 old = pos;
    pos = world->playerCanMove(pos, vec3(vel.x, 0, 0));
    if (pos.x == old.x && std::abs(vel.x) > 0.01f) pos = world->playerCanMove(pos, vec3(vel.x, 1, 0));
    pos = world->playerCanMove(pos, vec3(0, vel.y, 0));
    old = pos;
    pos = world->playerCanMove(pos, vec3(0, 0, vel.z));
    if (pos.z == old.z && std::abs(vel.z) > 0.01f) pos = world->playerCanMove(pos, vec3(0, 1, vel.z));

    if (health <= 99) health += 1;
    if (remStatus > 0) remStatus -= 1;
    if (noticeTicks > 0) noticeTicks -= 1;
}
