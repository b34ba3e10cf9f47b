// What a backend reports to the shared window model. The window model turns these
// into window messages (queued input, sent size changes, the close request).
#pragma once

#include <cstdint>

namespace platform::input {

// vk: Windows virtual-key code (US layout); scancode: the key's scan code (8 bits).
void key(std::uint32_t vk, std::uint32_t scancode, bool down, bool repeat);
void close();
void resize(int client_width, int client_height);
// Pointer position relative to the client area's top-left corner.
void mouse_move(int client_x, int client_y);

}  // namespace platform::input
