// The program entry shared by the desktop and the headless executables.
#include <cstdio>

#include "display/display.h"
#include "game/flow/flow.h"

namespace game {

int run_program() {
    try {
        INIT();
        MENU();
    } catch (const display::IoError& error) {
        std::fprintf(stderr, "quorvax: %s\n", error.what());
        return 1;
    }
    return 0;
}

}  // namespace game
