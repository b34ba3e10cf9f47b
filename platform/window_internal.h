// What the window model's files share among themselves and nobody else uses.
#pragma once

#include <cstdint>

namespace platform::window::internal {

// Forgets the queue, the timer and the key states.
void reset_queue();

// Queues a mouse move (lParam position), or updates the one still waiting last.
void queue_mouse_move(std::int32_t position);

}  // namespace platform::window::internal
