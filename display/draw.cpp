// The shared pen, brush and font, and the primitives that draw with them: solid and
// framed rectangles and one-pixel lines. Colour 1 is the absent colour: no pen, no brush.
#include <cstdint>

#include "display/display.h"

namespace display {

namespace detail {
platform::Pen PE;
platform::Brush BR;
platform::Font FNS;
std::int32_t FW = 0, FH = 0, FWG = 0;
bool FLT = false, FUD = false, FSK = false;
std::int32_t FCS = 0;
std::string FFN;
}  // namespace detail

namespace {

platform::Context* context_of(PBITMAP bitmap) { return bitmap ? bitmap->DC : nullptr; }

int coord(std::uint32_t value) { return static_cast<std::int32_t>(value); }

// x + offset in the platform's wrapping 32-bit coordinates.
int offset(std::uint32_t value, std::int32_t by) {
    return static_cast<std::int32_t>(value + static_cast<std::uint32_t>(by));
}

std::int32_t negate(std::int32_t value) {
    return static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(value));
}

}  // namespace

void SETPENCOLOR(PBITMAP bitmap, COLOR colour) {
    detail::PE = colour == platform::NO_COLOUR ? platform::Pen{} : platform::Pen{false, colour};
    if (platform::Context* context = context_of(bitmap)) context->pen = detail::PE;
}

void SETBRUSHCOLOR(PBITMAP bitmap, COLOR colour) {
    detail::BR = colour == platform::NO_COLOUR ? platform::Brush{} : platform::Brush{false, colour};
    if (platform::Context* context = context_of(bitmap)) context->brush = detail::BR;
}

void SETFONT(PBITMAP bitmap) {
    using namespace detail;
    FNS = platform::Font{FW, FH, FWG, FLT, FUD, FSK, FCS, FFN};
    if (platform::Context* context = context_of(bitmap)) context->font = FNS;
}

void SETFONT() { SETFONT(detail::PMSCR); }

void SETFONTSIZE(std::int32_t width, std::int32_t height) {
    detail::FW = width;
    detail::FH = height;
    SETFONT();
}

void LINE(PBITMAP bitmap, std::uint32_t x, std::uint32_t y, std::int32_t dx, std::int32_t dy,
          COLOR colour) {
    SETPENCOLOR(bitmap, colour);
    if (platform::Context* context = context_of(bitmap))
        platform::draw_line(*context, coord(x), coord(y), offset(x, dx), offset(y, dy));
}

void BAR(PBITMAP bitmap, std::uint32_t x, std::uint32_t y, std::int32_t w, std::int32_t h,
         COLOR colour) {
    SETBRUSHCOLOR(bitmap, colour);
    if (platform::Context* context = context_of(bitmap))
        platform::fill_rect(*context, coord(x), coord(y), w, h);
}

void BAR(std::uint32_t x, std::uint32_t y, std::int32_t w, std::int32_t h, COLOR colour) {
    BAR(detail::PMAIN, x, y, w, h, colour);
}

void BAR(PBITMAP bitmap, std::uint32_t x, std::uint32_t y, std::int32_t w, std::int32_t h,
         COLOR frame, COLOR fill) {
    // The frame runs along columns x and x + w and rows y and y + h, one pixel right
    // of and below the filled w by h area. A null frame skips the fill as well.
    if (frame != platform::NO_COLOUR) BAR(bitmap, x, y, w, h, fill);
    const std::uint32_t right = x + static_cast<std::uint32_t>(w);
    const std::uint32_t bottom = y + static_cast<std::uint32_t>(h);
    LINE(bitmap, x, y, w, 0, frame);
    LINE(bitmap, right, y, 0, h, frame);
    LINE(bitmap, right, bottom, negate(w), 0, frame);
    LINE(bitmap, x, bottom, 0, negate(h), frame);
}

void BAR(std::uint32_t x, std::uint32_t y, std::int32_t w, std::int32_t h, COLOR frame,
         COLOR fill) {
    BAR(detail::PMAIN, x, y, w, h, frame, fill);
}

}  // namespace display
