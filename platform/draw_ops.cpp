// Drawing into a context's surface: solid fills, one-pixel lines and the colour-keyed
// scaling blit. Everything clips to the surfaces, so any coordinates are safe.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/surface.h"

namespace platform {

namespace {

using i64 = std::int64_t;

void notify(Context& context) {
    if (context.changed) context.changed(context);
}

struct Span {
    i64 first = 0, last = 0;
};

i64 source_index(i64 offset, i64 source_start, i64 source_size, i64 dest_size) {
    return source_start + offset * source_size / dest_size;
}

// The destination offsets [first, last) of a dest_size-long run starting at
// dest_start whose pixels land on a dest_limit-wide surface and whose nearest source
// pixel, source_start + offset * source_size / dest_size, lies inside the source's
// source_limit. The source index never decreases along the run, so the offsets that
// pass both tests form one interval.
Span clip_span(i64 dest_start, i64 dest_size, i64 dest_limit, i64 source_start,
               i64 source_size, i64 source_limit) {
    Span span{std::max<i64>(0, -dest_start), std::min<i64>(dest_size, dest_limit - dest_start)};
    if (span.first >= span.last) return {};
    // Binary searches over the monotone source index.
    i64 low = span.first, high = span.last;
    while (low < high) {
        const i64 mid = low + (high - low) / 2;
        if (source_index(mid, source_start, source_size, dest_size) < 0) low = mid + 1;
        else high = mid;
    }
    span.first = low;
    high = span.last;
    while (low < high) {
        const i64 mid = low + (high - low) / 2;
        if (source_index(mid, source_start, source_size, dest_size) < source_limit) low = mid + 1;
        else high = mid;
    }
    span.last = low;
    return span.first < span.last ? span : Span{};
}

// Four colours in one vector register (GCC and Clang vector extension), so that the
// doubling blit runs four source pixels at a time at any optimisation level.
using Colour4 = Colour __attribute__((vector_size(16)));

Colour4 load4(const Colour* from) {
    Colour4 value;
    std::memcpy(&value, from, sizeof value);
    return value;
}

void store4(Colour* to, Colour4 value) { std::memcpy(to, &value, sizeof value); }

// A run at the source's own scale: every presentation copies the whole back buffer
// this way, so it goes four pixels at a time.
void row_same_size(const Colour* source, Colour* dest, i64 count, Colour key) {
    const Colour4 keys = {key, key, key, key};
    i64 k = 0;
    for (; k + 4 <= count; k += 4) {
        const Colour4 four = load4(source + k);
        // Lanes equal to the key are all ones in the mask and keep the destination.
        const Colour4 keep = reinterpret_cast<Colour4>(four == keys);
        store4(dest + k, (load4(dest + k) & keep) | (four & ~keep));
    }
    for (; k < count; ++k) {
        if (source[k] != key) dest[k] = source[k];
    }
}

// A run that shows every source pixel twice. source is the source pixel of dest[0];
// second_half says dest[0] is the right half of its pair.
void row_double(const Colour* source, Colour* dest, i64 count, bool second_half, Colour key) {
    if (second_half && count > 0) {
        if (*source != key) *dest = *source;
        ++source;
        ++dest;
        --count;
    }
    const i64 pairs = count / 2;
    const Colour4 keys = {key, key, key, key};
    i64 p = 0;
    for (; p + 4 <= pairs; p += 4) {
        const Colour4 four = load4(source + p);
        const Colour4 low = __builtin_shufflevector(four, four, 0, 0, 1, 1);
        const Colour4 high = __builtin_shufflevector(four, four, 2, 2, 3, 3);
        // Lanes equal to the key are all ones in the mask and keep the destination.
        const Colour4 keep_low = reinterpret_cast<Colour4>(low == keys);
        const Colour4 keep_high = reinterpret_cast<Colour4>(high == keys);
        store4(dest + 2 * p, (load4(dest + 2 * p) & keep_low) | (low & ~keep_low));
        store4(dest + 2 * p + 4, (load4(dest + 2 * p + 4) & keep_high) | (high & ~keep_high));
    }
    for (; p < pairs; ++p) {
        if (source[p] == key) continue;
        dest[2 * p] = source[p];
        dest[2 * p + 1] = source[p];
    }
    if (count % 2 != 0 && source[pairs] != key) dest[2 * pairs] = source[pairs];
}

void row_mapped(const Colour* source, Colour* dest, const std::vector<i64>& columns, Colour key) {
    const i64 count = static_cast<i64>(columns.size());
    for (i64 k = 0; k < count; ++k) {
        const Colour c = source[columns[k]];
        if (c != key) dest[k] = c;
    }
}

}  // namespace

void fill_rect(Context& context, int x, int y, int w, int h) {
    Surface* surface = context.target;
    if (!surface || context.brush.null || w <= 0 || h <= 0) return;
    const i64 left = std::max<i64>(x, 0), right = std::min<i64>(i64{x} + w, surface->width);
    const i64 top = std::max<i64>(y, 0), bottom = std::min<i64>(i64{y} + h, surface->height);
    if (left >= right || top >= bottom) return;
    for (i64 row = top; row < bottom; ++row) {
        Colour* line = surface->pixels.data() + row * surface->width;
        std::fill(line + left, line + right, context.brush.colour);
    }
    notify(context);
}

void draw_line(Context& context, int x0, int y0, int x1, int y1) {
    Surface* surface = context.target;
    if (!surface || context.pen.null) return;
    const i64 dx = i64{x1} - x0, dy = i64{y1} - y0;
    const bool x_major = std::llabs(dx) >= std::llabs(dy);
    const i64 major0 = x_major ? x0 : y0, minor0 = x_major ? y0 : x0;
    const i64 major_delta = x_major ? dx : dy, minor_delta = x_major ? dy : dx;
    const i64 major_limit = x_major ? surface->width : surface->height;
    const i64 steps = std::llabs(major_delta);  // the end point is not painted
    if (steps == 0) return;
    const i64 major_step = major_delta > 0 ? 1 : -1, minor_step = minor_delta >= 0 ? 1 : -1;
    const unsigned __int128 minor_run = static_cast<unsigned __int128>(std::llabs(minor_delta));

    // Only the steps whose major coordinate is on the surface can paint.
    const i64 first = major_step > 0 ? std::max<i64>(0, -major0) : std::max<i64>(0, major0 - major_limit + 1);
    const i64 last = major_step > 0 ? std::min(steps, major_limit - major0) : std::min(steps, major0 + 1);
    bool wrote = false;
    for (i64 i = first; i < last; ++i) {
        // The minor coordinate is the exact one rounded to nearest, halves away from the start.
        const unsigned __int128 twice = 2 * static_cast<unsigned __int128>(i) * minor_run + steps;
        const i64 minor = minor0 + minor_step * static_cast<i64>(twice / (2 * static_cast<unsigned __int128>(steps)));
        const i64 major = major0 + major_step * i;
        const i64 x = x_major ? major : minor, y = x_major ? minor : major;
        if (y < 0 || y >= surface->height || x < 0 || x >= surface->width) continue;
        surface->pixels[static_cast<std::size_t>(y * surface->width + x)] = context.pen.colour;
        wrote = true;
    }
    if (wrote) notify(context);
}

void keyed_blit(const Context& source, int sx, int sy, int sw, int sh, Context& destination, int dx,
                int dy, int dw, int dh, Colour key) {
    const Surface* from = source.target;
    Surface* to = destination.target;
    if (!from || !to || sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0) return;
    const Span cols = clip_span(dx, dw, to->width, sx, sw, from->width);
    const Span rows = clip_span(dy, dh, to->height, sy, sh, from->height);
    if (cols.first >= cols.last || rows.first >= rows.last) return;

    std::vector<i64> columns;
    if (dw != sw && dw != i64{sw} * 2) {
        columns.reserve(static_cast<std::size_t>(cols.last - cols.first));
        for (i64 i = cols.first; i < cols.last; ++i) columns.push_back(source_index(i, sx, sw, dw));
    }
    for (i64 j = rows.first; j < rows.last; ++j) {
        const Colour* source_row = from->pixels.data() + source_index(j, sy, sh, dh) * from->width;
        Colour* dest_row = to->pixels.data() + (dy + j) * to->width;
        if (dw == sw) {
            row_same_size(source_row + sx + cols.first, dest_row + dx + cols.first,
                          cols.last - cols.first, key);
        } else if (dw == i64{sw} * 2) {
            row_double(source_row + sx + cols.first / 2, dest_row + dx + cols.first,
                       cols.last - cols.first, (cols.first & 1) != 0, key);
        } else {
            row_mapped(source_row, dest_row + dx + cols.first, columns, key);
        }
    }
    notify(destination);
}

}  // namespace platform
