// The desktop game: the program on the SDL2 backend.
#include "game/flow/flow.h"

int main() { return game::run_program(); }
