#pragma once
// What touches, held controls and a game pad mean. A front end reports what
// happened, each report with its time in milliseconds on one clock, and
// gets back the commands it means, to run in order. What needs a later
// moment (a held key's repeat, a long press) is asked as a wake-up: the
// front end reports WakeUp at NextWakeUp's time or after it.
#include <cstdint>

#include "commands/commands.h"
#include "resources/dialog_keys.h"

// A touch's point: eighths of a CSS pixel from the client area's top left
// corner, with the client area's width on the screen in the same unit, so
// that a finger's wander is measured on the screen and a drag in cells.
struct TouchPoint {
    int x, y;
    int clientWidth;
};
constexpr int kTouchUnitsPerPixel = 8;
// A touch held this long without wandering is a long press, wherever it is.
constexpr int kLongPressMs = 500;
constexpr int kStickReach = 1000;

// The keys a dialog or a menu gets from a pad carry their modifiers above
// the key, as the page hands a dialog's keys over (web/page_input.h).
constexpr int kWithShift = kShiftHeld << 8;
constexpr int kWithCtrl = kCtrlHeld << 8;

// What one report means.
struct Meaning {
    static constexpr int kMostCommands = 32;  // a drag of three wells' widths at once
    Command commands[kMostCommands];
    int count = 0;
    int dialogKey = 0;  // a pad's key for the open dialog or menu, with its modifiers; 0 for none
};

// A key held by a control or a pad's binding.
struct HeldKey {
    bool down;
    int key;
    int repeatAt;  // the next repeat, for a key that repeats
};

// The touch pad's four controls, then a pad's bindings (kPadGameTable).
constexpr int kControlCount = 4;
constexpr int kPadBindingCount = 6;

struct Reports {
    struct Gesture {
        bool active;
        TouchPoint start;
        int startMs;
        int gameX, gameY;  // where it began, in client-area pixels
        bool onWell;
        bool wandered;  // beyond a tap: no tap, no long press
        bool dropping;
        int cells;  // moved sideways so far
        int longPressAt;
    } gesture;
    HeldKey held[kControlCount + kPadBindingCount];
    // A pad's buttons (a bit each): those still held since the keys changed
    // hands, which act only once released, and those a dialog has acted on.
    uint32_t padIgnored;
    uint32_t padActed;
    bool padInDialog;
};

// A touch began, moved or ended (`lifted`, else the system took it), and
// the system's own long press. A touch begun while another is down is
// not taken (false).
bool TouchBegan(Reports& reports, TouchPoint at, int timeMs);
void TouchMoved(Reports& reports, TouchPoint at, int timeMs, Meaning& meaning);
void TouchEnded(Reports& reports, bool lifted, Meaning& meaning);
void TouchHeld(Reports& reports, Meaning& meaning);

// One of the touch pad's controls, by its virtual key (Left, Right, Up,
// Down), went down or up; Left and Right repeat while held.
void ControlDown(Reports& reports, int key, int timeMs, Meaning& meaning);
void ControlUp(Reports& reports, int key, Meaning& meaning);

// A pad with the standard mapping read: its pressed buttons (bit i for
// button i) and its stick's x from -kStickReach to kStickReach. In the game or in the open
// dialog or menu, where one new button press gives one key a read.
void PadRead(Reports& reports, uint32_t buttons, int stickX, int timeMs, Meaning& meaning);
void PadReadInDialog(Reports& reports, uint32_t buttons, Meaning& meaning);

// The wake-up asked for came: what is due by `timeMs` happens.
void WakeUp(Reports& reports, int timeMs, Meaning& meaning);

struct WakeUpTime {
    bool wanted;
    int atMs;
};
WakeUpTime NextWakeUp(const Reports& reports);
