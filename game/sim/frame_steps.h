// The steps of one frame of play, private to the rules: NEXTFRAME runs them in a fixed
// order, each over the whole game state.
#pragma once

#include <cstdint>

namespace game::frame_steps {

// The cannon and the player's shot.
void move_cannon();
void fly_player_shot();
void player_shot_vs_invader_shots();
void player_shot_vs_invaders();

// The shields.
void player_shot_vs_shields();
void invader_shot_vs_shields(std::int32_t slot);
void invaders_vs_shields();

// One invader-shot slot: flight, bottom exit, shields, cannon, refill.
void invader_shot_slot(std::int32_t slot);

// The bonus saucer: sound loop, appearance or movement, exits, shot hits.
void saucer();

}  // namespace game::frame_steps
