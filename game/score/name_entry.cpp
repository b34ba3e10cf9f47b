// Name entry after every game: over the frozen playfield the player types up to 12
// characters and confirms with Enter or Escape; then the score goes into the
// high-score table at its place, if it beats an entry or the table has room.
#include "display/display.h"
#include "game/flow/flow.h"
#include "game/score/score_table.h"
#include "game/score/sounds.h"
#include "game/screen/screens.h"
#include "game/screen/sprites.h"
#include "game/screen/text.h"
#include "game/sim/state.h"

namespace game {

std::string PLAYERNAME;
bool SHIFTON = false;

namespace {

constexpr std::uint32_t MSG_KEYDOWN = 256, MSG_KEYUP = 257;
constexpr std::uint32_t KEY_BACKSPACE = 8, KEY_ENTER = 13, KEY_SHIFT = 16, KEY_ESCAPE = 27;
constexpr std::size_t NAME_LENGTH = 12;
constexpr std::uint32_t TABLE_SIZE = 10;
constexpr display::COLOR WHITE = 0xFFFFFF, PROMPT_COLOUR = 0x3399FF, NAME_COLOUR = 0xFFFF00;
constexpr std::int32_t PROMPT_ROW = 10, NAME_ROW = 12, CANNON_ROW_Y = 184;

// The character of a punctuation key of a US keyboard, 0 for any other key.
unsigned char punctuation(unsigned char key) {
    switch (key) {
        case 186: return ';';
        case 187: return '=';
        case 188: return ',';
        case 189: return '-';
        case 190: return '.';
        case 191: return '/';
        case 219: return '[';
        case 220: return '\\';
        case 221: return ']';
        case 222: return '\'';
        default: return 0;
    }
}

// What a character becomes with Shift held; letters and others stay as they are.
unsigned char shifted(unsigned char c) {
    static constexpr char DIGITS[] = ")!@#$%^&*(";
    if (c >= '0' && c <= '9') return static_cast<unsigned char>(DIGITS[c - '0']);
    switch (c) {
        case ';': return ':';
        case '=': return '+';
        case ',': return '<';
        case '-': return '_';
        case '.': return '>';
        case '/': return '?';
        case '[': return '{';
        case '\\': return '|';
        case ']': return '}';
        case '\'': return '"';
        default: return c;
    }
}

bool in_font(unsigned char c) { return c >= 32 && c <= 95; }

// Reads the message just fetched: Shift state, Backspace, and characters for the name.
void handle_message() {
    namespace d = display::detail;
    if (d::MS.wParam == KEY_SHIFT) {
        if (display::ISMSG(MSG_KEYDOWN)) SHIFTON = true;
        if (display::ISMSG(MSG_KEYUP)) SHIFTON = false;
    }
    if (!display::ISKEY()) return;

    auto c = static_cast<unsigned char>(display::GETKEY() & 0xFF);
    if (c == KEY_BACKSPACE) {
        PLAYWAV(WAVHIT);
        if (!PLAYERNAME.empty()) PLAYERNAME.pop_back();
    }
    const bool digit = c >= '0' && c <= '9', letter = c >= 'A' && c <= 'Z';
    if (!digit && !letter) c = punctuation(c);
    if (SHIFTON) c = shifted(c);
    if (!in_font(c)) return;
    if (PLAYERNAME.size() < NAME_LENGTH) {
        PLAYERNAME += static_cast<char>(c);
        PLAYWAV(WAVFIRE);
    } else {
        PLAYWAV(WAVHIT);
    }
}

// Puts the finished game into the table below every entry with more points, so it
// stands above older entries with equal points; the last entry of a full table drops.
void insert_score() {
    std::uint32_t beaten_by = 0;
    for (std::uint32_t i = 1; i <= SCORENUM && i <= TABLE_SIZE; ++i) {
        if (SCOREA[i].points > SCORE) beaten_by = i;
    }
    SCORENUM = SCORENUM + 1 > TABLE_SIZE ? TABLE_SIZE : SCORENUM + 1;
    for (std::uint32_t i = SCORENUM; i > beaten_by; --i) {
        if (i == beaten_by + 1) {
            SCOREA[i] = SCOREREC{LEVEL, PLAYERNAME, SCORE};
        } else {
            SCOREA[i] = SCOREA[i - 1];
        }
    }
}

}  // namespace

void DRAWGETHIGHSCORE() {
    display::BAR(BMPMAIN, 0, CANNON_ROW_Y, W, 8, 0);
    const std::uint32_t f = FRAMENUM % 2 + 1;
    DRAWBMPC(BMPSHIPX[1][f], SHIP.x, SHIP.y, WHITE);
    DRAWBMPC(BMPSHIPX[2][f], SHIP.x + 8, SHIP.y, WHITE);
    DRAWBLANK = true;
    DRAWSTRMID("YOUR NAME", PROMPT_ROW, PROMPT_COLOUR);
    DRAWSTRMID(PLAYERNAME, NAME_ROW, NAME_COLOUR);
    DRAWBLANK = false;
    DRAWWIN();
}

// Enter and Escape count at the frame tick. A key-down of either fetched while
// waiting for that tick is remembered: its character message follows at once, so
// testing only the message current at the tick would lose most of them. The message
// current when name entry begins (the Escape that ended the game, say) is tested at
// the first tick like any other.
void GETHIGHSCORE() {
    PLAYERNAME.clear();
    bool confirmed = false;
    while (!confirmed) {
        bool seen = false;
        while (frames_ahead(FRAMENUM, display::GETTIME(), STARTTIME)) {
            display::NEXTMSG();
            seen = seen || display::ISKEY(KEY_ENTER) || display::ISKEY(KEY_ESCAPE);
            handle_message();
            DRAWPLAY();
            DRAWGETHIGHSCORE();
        }
        ++FRAMENUM;
        confirmed = seen || display::ISKEY(KEY_ENTER) || display::ISKEY(KEY_ESCAPE);
    }
    PLAYWAV(WAVUFOHIT);
    insert_score();
}

}  // namespace game
