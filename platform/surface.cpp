// Creating, copying and releasing surfaces and drawing contexts, with the size caps
// that keep a corrupt image header from asking for gigabytes.
#include <cstdint>
#include <memory>
#include <new>

#include "platform/surface.h"

namespace platform {

namespace {

bool size_allowed(int width, int height) {
    if (width <= 0 || height <= 0) return false;
    if (width > MAX_SURFACE_SIDE || height > MAX_SURFACE_SIDE) return false;
    return std::int64_t{width} * height <= MAX_SURFACE_PIXELS;
}

}  // namespace

Surface* create_surface(int width, int height) {
    if (!size_allowed(width, height)) return nullptr;
    try {
        auto surface = std::make_unique<Surface>();
        surface->width = width;
        surface->height = height;
        surface->pixels.assign(static_cast<std::size_t>(width) * height, 0);
        return surface.release();
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

Surface* copy_surface(const Surface* source) {
    if (!source) return nullptr;
    try {
        return new Surface(*source);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

void release_surface(Surface* surface) { delete surface; }

Context* create_context() { return new Context; }

void release_context(Context* context) { delete context; }

}  // namespace platform
