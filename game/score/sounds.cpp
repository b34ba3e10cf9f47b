// The game's ten sounds: the files, the channel handles that INITAUDIO gets for them
// (1 to 10, in table order), and PLAYWAV, which restarts a sound from its beginning.
#include "game/score/sounds.h"

#include "display/display.h"

namespace game {

const std::string WAVINVADERS[5] = {"", "audio\\1.wav", "audio\\2.wav", "audio\\3.wav",
                                    "audio\\4.wav"};
std::uint32_t WAVINVADER[5] = {0, 0, 0, 0, 0};
std::uint32_t WAVFIRE = 0;
std::uint32_t WAVHIT = 0;
std::uint32_t WAVLOSE = 0;
std::uint32_t WAVUFO = 0;
std::uint32_t WAVUFOHIT = 0;
std::uint32_t WAVLIFEUP = 0;

void INITAUDIO() {
    for (int i = 1; i <= 4; ++i) WAVINVADER[i] = display::LOADAUDIO(WAVINVADERS[i]);
    WAVFIRE = display::LOADAUDIO("audio\\fire.wav");
    WAVHIT = display::LOADAUDIO("audio\\hit.wav");
    WAVLOSE = display::LOADAUDIO("audio\\lose.wav");
    WAVUFO = display::LOADAUDIO("audio\\ufo.wav");
    WAVUFOHIT = display::LOADAUDIO("audio\\ufohit.wav");
    WAVLIFEUP = display::LOADAUDIO("audio\\lifeup.wav");
}

void PLAYWAV(std::uint32_t handle) { display::SETAUDIOPOS(handle, 0); }

}  // namespace game
