// The display unit: one window with a back buffer and a message fetch, a millisecond
// clock, bitmaps with transparent blits, pens, brushes and fills, and sound channels
// driven by command strings. The game includes this header and nothing below it.
//
// Names are the unit's own, upper case. The unit's private state, whose names start
// with an underscore in the unit's design (_HW, _MS, _PMAIN, ...), keeps its body and
// drops the underscore inside display::detail (display::detail::MS), since C++
// reserves identifiers that begin with an underscore and a capital letter.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>

#include "platform/surface.h"
#include "platform/types.h"

namespace display {

using COLOR = std::uint32_t;  // 0x00BBGGRR
using MSG = platform::Msg;

// An input/output failure that stops the program: a missing or unreadable image,
// a score file that cannot be read or written. The message names the file.
struct IoError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// ---- Bitmap record -----------------------------------------------------------------
struct BITMAPREC {
    platform::Surface* IMAGE = nullptr;  // null in the window record: its context draws on the window
    platform::Context* DC = nullptr;
    std::uint32_t WIDTH = 0;
    std::uint32_t HEIGHT = 0;
    COLOR KEYCOLOR = 0;
    std::string FILENAME;  // set only by LOADBMP, at most 255 characters
};
using PBITMAP = BITMAPREC*;

// ---- Clock, current message and text helpers ---------------------------------------
std::uint32_t GETTIME();
void DELAY(std::uint32_t ms);
bool ISMSG(std::uint32_t message);
bool ISMSG(std::initializer_list<std::uint32_t> messages);
std::uint64_t GETMSG(std::uint32_t message);
std::uint64_t GETMSG(std::initializer_list<std::uint32_t> messages);
bool ISKEY();
std::uint32_t GETKEY();
bool ISKEY(std::uint32_t key);
std::int32_t MAX(std::int32_t a, std::int32_t b);
std::int32_t MIN(std::int32_t a, std::int32_t b);
std::string I2S(std::int32_t value);
std::string I2S(std::uint32_t value);
const char* AS2PC(const std::string& text);

// ---- Window, back buffer and message fetch -----------------------------------------
void CREATEWIN(std::uint32_t width, std::uint32_t height, std::uint32_t foreground,
               std::uint32_t background);
void CREATEWIN(std::uint32_t width, std::uint32_t height, std::uint32_t background);
void CREATEWIN(std::uint32_t width, std::uint32_t height);
bool NEXTMSG();
void SENDMSG();
void FRESHWIN();
void SETFRESH(std::uint32_t period);
void SETTITLE(const std::string& text);
std::uint32_t GETSCRWIDTH();
std::uint32_t GETSCRHEIGHT();
std::uint32_t GETBORDERWIDTH();
std::uint32_t GETBORDERHEIGHT();
std::uint32_t GETBORDERTITLE();
std::int32_t GETPOSX();
std::int32_t GETPOSY();
std::int32_t GETMOUSEABSX();
std::int32_t GETMOUSEABSY();
std::int32_t GETMOUSEWINX();
std::int32_t GETMOUSEWINY();
std::int32_t GETMOUSEPOSX();
std::int32_t GETMOUSEPOSY();
void WININIT();
std::uint16_t WINREGISTER();
std::uint32_t WINCREATE();
void WINCREATEMAIN(std::uint32_t window);
std::int32_t WNDPROC(std::uint32_t window, std::uint32_t message, std::uint32_t wParam,
                     std::int32_t lParam);

// ---- Bitmaps: loading, copying, blitting -------------------------------------------
PBITMAP LOADBMP(const std::string& name);
PBITMAP LOADBMP(const std::string& name, COLOR key);

void DRAWBMP(PBITMAP src, PBITMAP dst, std::uint32_t sx, std::uint32_t sy, std::uint32_t sw,
             std::uint32_t sh, std::uint32_t dx, std::uint32_t dy, std::uint32_t dw,
             std::uint32_t dh, COLOR key);
void DRAWBMP(PBITMAP src, PBITMAP dst, std::uint32_t sx, std::uint32_t sy, std::uint32_t dx,
             std::uint32_t dy, std::uint32_t w, std::uint32_t h, COLOR key);
void DRAWBMP(PBITMAP src, PBITMAP dst, std::uint32_t x, std::uint32_t y, std::uint32_t w,
             std::uint32_t h, COLOR key);
void DRAWBMP(PBITMAP src, PBITMAP dst, std::uint32_t x, std::uint32_t y, COLOR key);
void DRAWBMP(PBITMAP src, PBITMAP dst, COLOR key);
void DRAWBMP(PBITMAP src, PBITMAP dst);

PBITMAP COPYBMP(PBITMAP src, std::uint32_t sx, std::uint32_t sy, std::uint32_t sw,
                std::uint32_t sh, std::uint32_t dx, std::uint32_t dy, std::uint32_t dw,
                std::uint32_t dh, COLOR key);
PBITMAP COPYBMP(PBITMAP src, std::uint32_t sx, std::uint32_t sy, std::uint32_t dx,
                std::uint32_t dy, std::uint32_t w, std::uint32_t h, COLOR key);
PBITMAP COPYBMP(PBITMAP src, std::uint32_t sx, std::uint32_t sy, std::uint32_t dx,
                std::uint32_t dy, std::uint32_t w, std::uint32_t h);
PBITMAP COPYBMP(PBITMAP src, std::uint32_t x, std::uint32_t y, std::uint32_t w, std::uint32_t h,
                COLOR key);
PBITMAP COPYBMP(PBITMAP src, std::uint32_t x, std::uint32_t y, COLOR key);
PBITMAP COPYBMP(PBITMAP src, COLOR key);
PBITMAP COPYBMP(PBITMAP src);

// ---- Pens, brushes, fills, lines and font ------------------------------------------
// Note: the two six-argument BAR forms differ only in the first argument; pass the
// back-buffer form's x as an unsigned value (0u) so that it is not taken for a bitmap.
void SETPENCOLOR(PBITMAP bitmap, COLOR colour);
void SETBRUSHCOLOR(PBITMAP bitmap, COLOR colour);
void SETFONT(PBITMAP bitmap);
void SETFONT();
void SETFONTSIZE(std::int32_t width, std::int32_t height);
void LINE(PBITMAP bitmap, std::uint32_t x, std::uint32_t y, std::int32_t dx, std::int32_t dy,
          COLOR colour);
void BAR(PBITMAP bitmap, std::uint32_t x, std::uint32_t y, std::int32_t w, std::int32_t h,
         COLOR colour);
void BAR(std::uint32_t x, std::uint32_t y, std::int32_t w, std::int32_t h, COLOR colour);
void BAR(PBITMAP bitmap, std::uint32_t x, std::uint32_t y, std::int32_t w, std::int32_t h,
         COLOR frame, COLOR fill);
void BAR(std::uint32_t x, std::uint32_t y, std::int32_t w, std::int32_t h, COLOR frame,
         COLOR fill);

// ---- Sound channels ----------------------------------------------------------------
std::uint32_t SENDSTRING(const std::string& command);
std::uint32_t LOADAUDIO(const std::string& name);
void PLAYAUDIO(std::uint32_t handle, const std::string& suffix);
void PLAYAUDIO(std::uint32_t handle);
void STOPAUDIO(std::uint32_t handle);
std::uint32_t GETAUDIOPOS(std::uint32_t handle);
std::uint32_t GETAUDIOLEN(std::uint32_t handle);
void SETAUDIOPOS(std::uint32_t handle, std::uint32_t position);

// ---- The unit's private state ------------------------------------------------------
namespace detail {

// Window and back buffer.
extern std::uint32_t HW;         // the window; 0 until it exists
extern platform::Context* DC;    // the window's drawing context; null until it exists
extern std::int32_t W, H;        // client size (the outer size during creation)
extern std::int32_t X, Y;        // screen position given at creation
extern COLOR CFG, CBG;           // foreground and background given to CREATEWIN
extern BITMAPREC MSCR;           // the window record
extern PBITMAP PMSCR;            // points at MSCR once the window exists
extern PBITMAP PMAIN;            // the back buffer

// Clock and current message.
extern std::uint32_t TBEGIN;
extern MSG MS;

// User-message ring, slots 1 to 4096 (slot 0 unused).
constexpr std::uint32_t MSUSR_SIZE = 4096;
extern MSG MSUSR[MSUSR_SIZE + 1];
extern std::uint32_t MSUSRI;
extern std::uint32_t MSI;

// Shared pen, brush and font with the font settings.
extern platform::Pen PE;
extern platform::Brush BR;
extern platform::Font FNS;
extern std::int32_t FW, FH, FWG;
extern bool FLT, FUD, FSK;
extern std::int32_t FCS;
extern std::string FFN;

// Sound channels.
extern std::uint32_t CID;
constexpr std::uint32_t CAM = 256;
extern char CA[CAM];

}  // namespace detail

}  // namespace display
