// The user-message ring: WM_USER messages kept by the window procedure and handed
// out by the message fetch before it waits on the window's queue.
#include "display/ring.h"

#include "display/display.h"

namespace display {

namespace detail {
MSG MSUSR[MSUSR_SIZE + 1];
std::uint32_t MSUSRI = 1;
std::uint32_t MSI = 1;
}  // namespace detail

namespace ring {

namespace {
std::uint32_t next(std::uint32_t index) { return index + 1 > detail::MSUSR_SIZE ? 1 : index + 1; }
}  // namespace

void store(std::uint32_t message, std::uint32_t wParam, std::int32_t lParam) {
    MSG& slot = detail::MSUSR[detail::MSUSRI];
    slot.message = message;
    slot.wParam = wParam;
    slot.lParam = lParam;
    detail::MSUSRI = next(detail::MSUSRI);
}

bool take() {
    MSG& slot = detail::MSUSR[detail::MSI];
    if (slot.message == 0) return false;
    detail::MS = slot;
    slot.message = 0;
    detail::MSI = next(detail::MSI);
    return true;
}

}  // namespace ring

}  // namespace display
