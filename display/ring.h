// The user-message ring's two operations, shared by the window procedure and the
// message fetch.
#pragma once

#include <cstdint>

namespace display::ring {

// Stores a message in the slot at the write index and moves the index on; a full
// ring overwrites its oldest waiting entry.
void store(std::uint32_t message, std::uint32_t wParam, std::int32_t lParam);
// Makes the entry at the read index current and empties its slot; false when that
// slot is empty.
bool take();

}  // namespace display::ring
