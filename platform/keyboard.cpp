// Key messages on a US keyboard: the lParam bits, the set-1 scan codes and the
// characters that the translate step makes of key-downs.
#include <array>

#include "platform/window.h"

namespace platform::window {

namespace {

struct KeyInfo {
    std::uint8_t scancode = 0;
    char plain = 0;    // the character without Shift (0: none)
    char shifted = 0;  // the character with Shift
};

constexpr std::array<KeyInfo, 256> make_keys() {
    std::array<KeyInfo, 256> keys{};
    keys[8] = {0x0E, 8, 8};     // Backspace
    keys[9] = {0x0F, 9, 9};     // Tab
    keys[13] = {0x1C, 13, 13};  // Enter
    keys[16] = {0x2A, 0, 0};    // Shift
    keys[17] = {0x1D, 0, 0};    // Ctrl
    keys[18] = {0x38, 0, 0};    // Alt
    keys[20] = {0x3A, 0, 0};    // Caps Lock
    keys[27] = {0x01, 27, 27};  // Escape
    keys[32] = {0x39, ' ', ' '};
    keys[33] = {0x49, 0, 0};  // Page Up
    keys[34] = {0x51, 0, 0};  // Page Down
    keys[35] = {0x4F, 0, 0};  // End
    keys[36] = {0x47, 0, 0};  // Home
    keys[37] = {0x4B, 0, 0};  // arrows
    keys[38] = {0x48, 0, 0};
    keys[39] = {0x4D, 0, 0};
    keys[40] = {0x50, 0, 0};
    keys[45] = {0x52, 0, 0};  // Insert
    keys[46] = {0x53, 0, 0};  // Delete
    const char* digit_shifted = ")!@#$%^&*(";
    const std::uint8_t digit_scancode[10] = {0x0B, 0x02, 0x03, 0x04, 0x05,
                                             0x06, 0x07, 0x08, 0x09, 0x0A};
    for (int d = 0; d < 10; ++d) {
        keys[48 + d] = {digit_scancode[d], static_cast<char>('0' + d), digit_shifted[d]};
    }
    const std::uint8_t letter_scancode[26] = {0x1E, 0x30, 0x2E, 0x20, 0x12, 0x21, 0x22,
                                              0x23, 0x17, 0x24, 0x25, 0x26, 0x32, 0x31,
                                              0x18, 0x19, 0x10, 0x13, 0x1F, 0x14, 0x16,
                                              0x2F, 0x11, 0x2D, 0x15, 0x2C};
    for (int l = 0; l < 26; ++l) {
        keys[65 + l] = {letter_scancode[l], static_cast<char>('a' + l),
                        static_cast<char>('A' + l)};
    }
    const std::uint8_t keypad_scancode[10] = {0x52, 0x4F, 0x50, 0x51, 0x4B,
                                              0x4C, 0x4D, 0x47, 0x48, 0x49};
    for (int d = 0; d < 10; ++d) {
        const char c = static_cast<char>('0' + d);
        keys[96 + d] = {keypad_scancode[d], c, c};
    }
    keys[106] = {0x37, '*', '*'};
    keys[107] = {0x4E, '+', '+'};
    keys[109] = {0x4A, '-', '-'};
    keys[110] = {0x53, '.', '.'};
    keys[111] = {0x35, '/', '/'};
    const std::uint8_t function_scancode[12] = {0x3B, 0x3C, 0x3D, 0x3E, 0x3F, 0x40,
                                                0x41, 0x42, 0x43, 0x44, 0x57, 0x58};
    for (int f = 0; f < 12; ++f) keys[112 + f] = {function_scancode[f], 0, 0};
    keys[186] = {0x27, ';', ':'};
    keys[187] = {0x0D, '=', '+'};
    keys[188] = {0x33, ',', '<'};
    keys[189] = {0x0C, '-', '_'};
    keys[190] = {0x34, '.', '>'};
    keys[191] = {0x35, '/', '?'};
    keys[192] = {0x29, '`', '~'};
    keys[219] = {0x1A, '[', '{'};
    keys[220] = {0x2B, '\\', '|'};
    keys[221] = {0x1B, ']', '}'};
    keys[222] = {0x28, '\'', '"'};
    return keys;
}

constexpr std::array<KeyInfo, 256> KEYS = make_keys();

}  // namespace

std::int32_t key_lparam(std::uint32_t scancode, bool down, bool repeat) {
    std::uint32_t lparam = 1 | (scancode & 0xFF) << 16;
    if (repeat || !down) lparam |= 1u << 30;
    if (!down) lparam |= 1u << 31;
    return static_cast<std::int32_t>(lparam);
}

std::uint32_t key_char(std::uint32_t vk, bool shift, bool caps_lock) {
    if (vk >= KEYS.size()) return 0;
    const KeyInfo& key = KEYS[vk];
    const bool letter = vk >= 'A' && vk <= 'Z';
    const bool upper = letter ? shift != caps_lock : shift;
    return static_cast<unsigned char>(upper ? key.shifted : key.plain);
}

std::uint32_t vk_scancode(std::uint32_t vk) { return vk < KEYS.size() ? KEYS[vk].scancode : 0; }

}  // namespace platform::window
