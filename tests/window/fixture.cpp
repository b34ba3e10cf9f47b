// Resetting the headless desktop and the display unit between tests.
#include "fixture.h"

#include "platform/headless/headless.h"
#include "platform/headless/virtual_clock.h"

namespace window_test {

void reset_all(std::uint32_t start) {
    using namespace display::detail;
    platform::headless::reset();
    platform::headless::set_virtual_now(start);
    if (PMAIN != nullptr) {
        platform::release_surface(PMAIN->IMAGE);
        platform::release_context(PMAIN->DC);
        delete PMAIN;
    }
    PMAIN = nullptr;
    PMSCR = nullptr;
    DC = nullptr;
    MSCR = display::BITMAPREC{};
    HW = 0;
    W = H = X = Y = 0;
    CFG = CBG = 0;
    TBEGIN = 0;
    MS = display::MSG{};
    for (display::MSG& slot : MSUSR) slot = display::MSG{};
    MSUSRI = 1;
    MSI = 1;
}

display::COLOR pixel(display::PBITMAP bitmap, int x, int y) {
    const platform::Surface* s = bitmap->IMAGE;
    return s->pixels[static_cast<std::size_t>(y) * s->width + x];
}

}  // namespace window_test
