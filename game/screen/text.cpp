// Sprite cells in a colour, bitmap-font text on the logical frame, and presenting the
// frame scaled into the window.
#include "game/screen/text.h"

#include "game/screen/sprites.h"

namespace game {

bool DRAWBLANK = false;
std::uint32_t SZ = 384;

namespace {

constexpr std::size_t MAX_TEXT = 255;
constexpr std::int32_t FRAME_SIDE = 192;
constexpr std::int32_t CELL = 8;

// The glyph of a character; codes the font does not cover are drawn as a blank.
PBITMAP glyph(char character) {
    const auto code = static_cast<unsigned char>(character);
    return (code >= 32 && code <= 95) ? BMPCHAR[code] : BMPCHAR[32];
}

std::int32_t text_length(const std::string& text) {
    return static_cast<std::int32_t>(text.size() < MAX_TEXT ? text.size() : MAX_TEXT);
}

// Logical coordinates go to the display unit as unsigned values; a negative one wraps
// and comes back negative below it, so the blit clips it at the frame's edge.
std::uint32_t coord(std::int32_t value) { return static_cast<std::uint32_t>(value); }

}  // namespace

void DRAWBMPC(display::PBITMAP sprite, std::int32_t x, std::int32_t y, display::COLOR colour) {
    display::BAR(BMPBLANK, 0, 0, CELL, CELL, colour);
    display::DRAWBMP(sprite, BMPBLANK, 0xFFFFFF);
    display::DRAWBMP(BMPBLANK, BMPMAIN, coord(x), coord(y), 0);
}

void DRAWSTRING(const std::string& text, std::int32_t x, std::int32_t y, display::COLOR colour) {
    const std::int32_t length = text_length(text);
    for (std::int32_t i = 0; i < length; ++i) {
        const std::int32_t xi = x + CELL * i;
        if (DRAWBLANK) display::BAR(BMPMAIN, coord(xi), coord(y), CELL, CELL, 0);
        DRAWBMPC(glyph(text[static_cast<std::size_t>(i)]), xi, y, colour);
    }
}

void DRAWSTRLEFT(const std::string& text, std::int32_t row, display::COLOR colour) {
    DRAWSTRING(text, 0, CELL * row, colour);
}

void DRAWSTRMID(const std::string& text, std::int32_t row, display::COLOR colour) {
    DRAWSTRING(text, FRAME_SIDE / 2 - CELL / 2 * text_length(text), CELL * row, colour);
}

void DRAWSTRRIGHT(const std::string& text, std::int32_t row, display::COLOR colour) {
    DRAWSTRING(text, FRAME_SIDE - CELL * text_length(text), CELL * row, colour);
}

void DRAWWIN() {
    namespace d = display::detail;
    display::BAR(0u, 0u, d::W, d::H, 0);
    SZ = static_cast<std::uint32_t>(display::MIN(d::W, d::H));
    const auto left = static_cast<std::uint32_t>((static_cast<std::int64_t>(d::W) - SZ) / 2);
    const auto top = static_cast<std::uint32_t>((static_cast<std::int64_t>(d::H) - SZ) / 2);
    display::DRAWBMP(BMPMAIN, d::PMAIN, 0, 0, FRAME_SIDE, FRAME_SIDE, left, top, SZ, SZ, 1);
    display::FRESHWIN();
    display::DELAY(1);
    display::BAR(BMPMAIN, 0, 0, FRAME_SIDE, FRAME_SIDE, 0);
}

}  // namespace game
