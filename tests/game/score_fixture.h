// What the name-entry and high-score-screen tests share: a headless window, a block
// font made without image files, and a log of the sounds started.
#pragma once

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

#include "display/display.h"
#include "game/score/sounds.h"
#include "game/screen/sprites.h"
#include "platform/headless/headless.h"
#include "platform/headless/virtual_clock.h"
#include "platform/sound.h"

namespace score_test {

inline display::PBITMAP black_bitmap(std::uint32_t width, std::uint32_t height) {
    display::BITMAPREC shape;
    shape.WIDTH = width;
    shape.HEIGHT = height;
    return display::COPYBMP(&shape, 0);
}

// The sprite pointers that the block font replaces, kept to be put back: other suites
// of this program cut the real art once and rely on it staying.
struct SavedArt {
    display::PBITMAP main, blank, chars[96], shipx[3][3];
};

// The logical frame, the scratch cell and a font in which every glyph but the space is
// a solid white block, so that a text shows as blocks of its colour whose places can
// be read exactly; the cannon's explosion cells are blocks too. Other sprites are left
// as they are. Made once; returns what it replaced.
inline SavedArt install_block_font() {
    static display::PBITMAP main = black_bitmap(192, 192);
    static display::PBITMAP blank = black_bitmap(8, 8);
    static display::PBITMAP space = black_bitmap(8, 8);
    static display::PBITMAP block = [] {
        display::PBITMAP b = black_bitmap(8, 8);
        display::BAR(b, 0, 0, 8, 8, 0xFFFFFF);
        return b;
    }();
    SavedArt saved{game::BMPMAIN, game::BMPBLANK, {}, {}};
    std::copy(std::begin(game::BMPCHAR), std::end(game::BMPCHAR), saved.chars);
    for (int half = 0; half < 3; ++half) {
        for (int frame = 0; frame < 3; ++frame) saved.shipx[half][frame] = game::BMPSHIPX[half][frame];
    }
    game::BMPMAIN = main;
    game::BMPBLANK = blank;
    for (int code = 32; code <= 95; ++code) game::BMPCHAR[code] = code == 32 ? space : block;
    for (int half = 1; half <= 2; ++half) {
        for (int frame = 1; frame <= 2; ++frame) game::BMPSHIPX[half][frame] = block;
    }
    display::BAR(game::BMPMAIN, 0, 0, 192, 192, 0);
    return saved;
}

inline void restore_art(const SavedArt& saved) {
    game::BMPMAIN = saved.main;
    game::BMPBLANK = saved.blank;
    std::copy(std::begin(saved.chars), std::end(saved.chars), game::BMPCHAR);
    for (int half = 0; half < 3; ++half) {
        for (int frame = 0; frame < 3; ++frame) game::BMPSHIPX[half][frame] = saved.shipx[half][frame];
    }
}

// A fresh headless window of 384 by 384 whose clock starts at 0, with nothing
// scripted. Tests call it again when they end, so that what they scripted cannot
// reach the next test and a window is open for it.
inline void open_window() {
    platform::headless::reset();
    platform::headless::set_virtual_now(0);
    display::detail::TBEGIN = 0;
    display::detail::MS = {};
    display::CREATEWIN(384, 384);
}

// Records the sounds started with PLAYWAV by name, in order.
class SoundLog {
public:
    SoundLog() {
        if (game::WAVHIT == 0) game::INITAUDIO();
        platform::sound::set_command_observer([this](const std::string& command) {
            const std::string prefix = "play s";
            if (command.compare(0, prefix.size(), prefix) != 0) return;
            plays_.push_back(name_of(std::stoul(command.substr(prefix.size()))));
        });
    }
    ~SoundLog() { platform::sound::set_command_observer({}); }
    SoundLog(const SoundLog&) = delete;
    SoundLog& operator=(const SoundLog&) = delete;

    const std::vector<std::string>& plays() const { return plays_; }

private:
    static std::string name_of(unsigned long handle) {
        if (handle == game::WAVFIRE) return "fire";
        if (handle == game::WAVHIT) return "hit";
        if (handle == game::WAVUFOHIT) return "ufohit";
        if (handle == game::WAVLOSE) return "lose";
        return "s" + std::to_string(handle);
    }
    std::vector<std::string> plays_;
};

}  // namespace score_test
