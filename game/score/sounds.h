// The game's ten sounds: their files, their channel handles and PLAYWAV.
#pragma once

#include <cstdint>
#include <string>

namespace game {

extern const std::string WAVINVADERS[5];  // [1..4]: the march notes' files
extern std::uint32_t WAVINVADER[5];       // [1..4]: the march notes
extern std::uint32_t WAVFIRE;
extern std::uint32_t WAVHIT;
extern std::uint32_t WAVLOSE;
extern std::uint32_t WAVUFO;
extern std::uint32_t WAVUFOHIT;
extern std::uint32_t WAVLIFEUP;

// Opens the ten files in order; they become channels 1 to 10.
void INITAUDIO();
// Restarts a sound from its beginning.
void PLAYWAV(std::uint32_t handle);

}  // namespace game
