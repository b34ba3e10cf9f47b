// Pixel surfaces and drawing contexts: the stand-in for device contexts and bitmaps.
// Every surface stores one 0x00BBGGRR value per pixel, so a colour key compares
// exactly. All surfaces share one pixel format, so any context is compatible with
// any other.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/types.h"

namespace platform {

struct Surface {
    int width = 0;
    int height = 0;
    std::vector<Colour> pixels;  // row-major, width * height
};

struct Pen {
    bool null = true;  // the null pen draws nothing
    Colour colour = 0;
};

struct Brush {
    bool null = true;  // the null (hollow) brush fills nothing
    Colour colour = 0;
};

// Font settings. Fonts are created and selected, never rendered.
struct Font {
    int width = 0, height = 0, weight = 0;
    bool italic = false, underline = false, strike_out = false;
    int charset = 0;
    std::string face;
};

struct Context;
using ChangeHook = void (*)(Context&);

// A drawing context: the surface selected into it and the objects it draws with.
// Pen, brush and font are held by value, so releasing the display layer's shared
// object never leaves a context pointing at freed memory.
struct Context {
    Surface* target = nullptr;
    Pen pen;
    Brush brush;
    Font font;
    ChangeHook changed = nullptr;  // called after a drawing operation wrote into target
};

// Largest surface side and area we agree to allocate; beyond it creation yields null.
constexpr int MAX_SURFACE_SIDE = 16384;
constexpr std::int64_t MAX_SURFACE_PIXELS = 64LL * 1024 * 1024;

// A new black surface, or null when a side is not positive or the size is beyond the caps.
Surface* create_surface(int width, int height);
// A copy of the whole image, or null for a null source.
Surface* copy_surface(const Surface* source);
void release_surface(Surface* surface);

Context* create_context();
void release_context(Context* context);

// Fills x <= px < x + w, y <= py < y + h with the context's brush, clipped.
void fill_rect(Context& context, int x, int y, int w, int h);
// One-pixel line with the context's pen: start point painted, end point not.
void draw_line(Context& context, int x0, int y0, int x1, int y1);
// Colour-keyed, nearest-neighbour scaling blit of (sx, sy, sw, sh) of the source into
// (dx, dy, dw, dh) of the destination, clipped to both surfaces. Source pixels equal
// to key leave the destination unchanged. Non-positive sizes draw nothing.
void keyed_blit(const Context& source, int sx, int sy, int sw, int sh, Context& destination, int dx,
                int dy, int dw, int dh, Colour key);

}  // namespace platform
