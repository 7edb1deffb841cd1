#include "commands/reports.h"

#include <algorithm>

#include "commands/input.h"
#include "draw/layout.h"

namespace {

// What a finger does is measured on the screen, whatever the window's
// scale: it may wander less than 16 CSS pixels and still tap or press long (compared
// squared); a long press lasts half a second; a drag moves a column for
// each cell it crosses, but never for less than 20 CSS pixels, so a small
// window's cells are not crossed by a finger's wobble; a flick goes down
// more than twice a tap's slop, mostly downwards, within a quarter of a
// second.
constexpr int kTapSlop = 16 * kTouchUnitsPerPixel;
constexpr int64_t kTapSlopSquared = int64_t{kTapSlop} * kTapSlop;
constexpr int kShortestColumnDrag = 20 * kTouchUnitsPerPixel;
constexpr int kFlickDistance = 2 * kTapSlop;
constexpr int kFlickMs = 250;

// The touch pad's controls in the order of their keys' slots.
constexpr int kControlKeys[kControlCount] = {kVkLeft, kVkRight, kVkUp, kDownKey};

constexpr uint32_t Bit(int button) { return uint32_t{1} << button; }

// A standard pad in the game: the d-pad moves, turns and drops, A turns,
// the stick pushed sideways moves, Start pauses (F3) and Back starts (F2).
struct PadBinding {
    uint32_t buttons;
    int stickSide;  // -1 left, 1 right, 0 the stick does not press it
    int key;
};
constexpr PadBinding kPadGameTable[kPadBindingCount] = {
    {Bit(14), -1, kVkLeft}, {Bit(15), 1, kVkRight}, {Bit(0) | Bit(12), 0, kVkUp},
    {Bit(13), 0, kDownKey}, {Bit(9), 0, kVkF3},     {Bit(8), 0, kVkF2},
};
constexpr int kStickPushed = kStickReach / 2;

// The same pad in a dialog or a menu presses what a keyboard would: the
// d-pad's left and right go round the tab stops, up and down move in a
// group or a menu, A presses or chooses, Start takes the default, B
// cancels, and the shoulders turn the sheet's pages.
struct PadDialogBinding {
    int button;
    int key;
};
constexpr PadDialogBinding kPadDialogTable[] = {
    {14, kVkTab | kWithShift}, {15, kVkTab},    {12, kVkUp},
    {13, kDownKey},            {0, kVkSpace},   {9, kVkReturn},
    {1, kVkEscape},            {4, kVkTab | kWithCtrl | kWithShift}, {5, kVkTab | kWithCtrl},
};

void Add(Meaning& meaning, Command command) {
    if (command != Command::None && meaning.count < Meaning::kMostCommands) meaning.commands[meaning.count++] = command;
}

int FloorDiv(int a, int b) { return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0); }

// Left and Right repeat as a held key does.
void Hold(HeldKey& held, int key, int timeMs, Meaning& meaning) {
    held = {true, key, timeMs + kHeldKeyDelayMs};
    Add(meaning, CommandForKeyDown(key));
}

void Release(HeldKey& held, Meaning& meaning) {
    if (!held.down) return;
    held.down = false;
    Add(meaning, CommandForKeyUp(held.key));
}

bool Repeats(const HeldKey& held) { return held.down && (held.key == kVkLeft || held.key == kVkRight); }

HeldKey& PadHeld(Reports& reports, int binding) { return reports.held[kControlCount + binding]; }

// Beside the well, a long press is the right button's click where the touch began.
void PressLong(Reports::Gesture& gesture, Meaning& meaning) {
    if (!gesture.active || gesture.onWell || gesture.wandered) return;
    gesture.wandered = true;  // no tap at the lift
    Add(meaning, CommandForRightClick(gesture.gameX, gesture.gameY));
}

}  // namespace

bool TouchBegan(Reports& reports, TouchPoint at, int timeMs) {
    Reports::Gesture& gesture = reports.gesture;
    if (gesture.active || at.clientWidth <= 0) return false;
    gesture = {};
    gesture.active = true;
    gesture.start = at;
    gesture.startMs = timeMs;
    gesture.gameX = FloorDiv(at.x * kClientWidth, at.clientWidth);
    gesture.gameY = FloorDiv(at.y * kClientWidth, at.clientWidth);
    gesture.onWell = kWellClickRegion.Contains(gesture.gameX, gesture.gameY);
    gesture.longPressAt = timeMs + kLongPressMs;
    return true;
}

// On the well a sideways drag moves a column for each column dragged, and
// a quick flick down holds Down until the finger lifts.
void TouchMoved(Reports& reports, TouchPoint at, int timeMs, Meaning& meaning) {
    Reports::Gesture& gesture = reports.gesture;
    if (!gesture.active) return;
    const int dx = at.x - gesture.start.x, dy = at.y - gesture.start.y;
    if (int64_t{dx} * dx + int64_t{dy} * dy >= kTapSlopSquared) gesture.wandered = true;
    if (!gesture.onWell || gesture.dropping || at.clientWidth <= 0) return;
    // A column's drag in touch units times kClientWidth, to stay whole.
    const int64_t columnDrag = std::max(int64_t{kCellWidth} * at.clientWidth, int64_t{kShortestColumnDrag} * kClientWidth);
    const int cells = static_cast<int>(int64_t{dx} * kClientWidth / columnDrag);
    for (; gesture.cells < cells; ++gesture.cells) Add(meaning, CommandForKeyDown(kVkRight));
    for (; gesture.cells > cells; --gesture.cells) Add(meaning, CommandForKeyDown(kVkLeft));
    const bool farDown = dy > kFlickDistance;
    if (farDown && dy > 2 * (dx < 0 ? -dx : dx) && timeMs - gesture.startMs < kFlickMs) {
        gesture.dropping = true;
        Add(meaning, CommandForKeyDown(kDownKey));
    }
}

// A tap on the well turns; elsewhere it is a left click where the hand shows.
void TouchEnded(Reports& reports, bool lifted, Meaning& meaning) {
    Reports::Gesture& gesture = reports.gesture;
    if (!gesture.active) return;
    gesture.active = false;
    if (gesture.dropping) Add(meaning, CommandForKeyUp(kDownKey));
    if (!lifted || gesture.wandered) return;
    if (gesture.onWell)
        Add(meaning, CommandForKeyDown(kVkUp));
    else if (PointerAt(gesture.gameX, gesture.gameY) == Pointer::Hand)
        Add(meaning, CommandForLeftClick(gesture.gameX, gesture.gameY));
}

void TouchHeld(Reports& reports, Meaning& meaning) { PressLong(reports.gesture, meaning); }

void ControlDown(Reports& reports, int key, int timeMs, Meaning& meaning) {
    for (int i = 0; i < kControlCount; ++i)
        if (kControlKeys[i] == key && !reports.held[i].down) Hold(reports.held[i], key, timeMs, meaning);
}

void ControlUp(Reports& reports, int key, Meaning& meaning) {
    for (int i = 0; i < kControlCount; ++i)
        if (kControlKeys[i] == key) Release(reports.held[i], meaning);
}

// Buttons held while the keys change hands act only once released: the A
// that pressed a dialog's OK does not also turn the shape.
void PadRead(Reports& reports, uint32_t buttons, int stickX, int timeMs, Meaning& meaning) {
    if (reports.padInDialog) {
        reports.padInDialog = false;
        reports.padIgnored = buttons;
    }
    reports.padIgnored &= buttons;
    const uint32_t pressed = buttons & ~reports.padIgnored;
    for (int i = 0; i < kPadBindingCount; ++i) {
        const PadBinding& binding = kPadGameTable[i];
        const bool down = (pressed & binding.buttons) != 0 || (binding.stickSide != 0 && stickX * binding.stickSide > kStickPushed);
        HeldKey& held = PadHeld(reports, i);
        if (down && !held.down)
            Hold(held, binding.key, timeMs, meaning);
        else if (!down)
            Release(held, meaning);
    }
}

void PadReadInDialog(Reports& reports, uint32_t buttons, Meaning& meaning) {
    if (!reports.padInDialog) {
        reports.padInDialog = true;
        reports.padIgnored = buttons;
        reports.padActed = 0;
        for (int i = 0; i < kPadBindingCount; ++i) Release(PadHeld(reports, i), meaning);
    }
    reports.padIgnored &= buttons;
    reports.padActed &= buttons;
    const uint32_t fresh = buttons & ~reports.padIgnored & ~reports.padActed;
    for (const PadDialogBinding& binding : kPadDialogTable) {
        if ((fresh & Bit(binding.button)) == 0) continue;
        reports.padActed |= Bit(binding.button);
        meaning.dialogKey = binding.key;
        return;  // the next read takes any other
    }
}

void WakeUp(Reports& reports, int timeMs, Meaning& meaning) {
    for (HeldKey& held : reports.held) {
        if (!Repeats(held) || timeMs < held.repeatAt) continue;
        held.repeatAt = timeMs + kHeldKeyPeriodMs;
        Add(meaning, CommandForKeyDown(held.key));
    }
    if (timeMs >= reports.gesture.longPressAt) PressLong(reports.gesture, meaning);
}

WakeUpTime NextWakeUp(const Reports& reports) {
    WakeUpTime next = {false, 0};
    const auto consider = [&next](int atMs) {
        if (!next.wanted || atMs < next.atMs) next = {true, atMs};
    };
    for (const HeldKey& held : reports.held)
        if (Repeats(held)) consider(held.repeatAt);
    const Reports::Gesture& gesture = reports.gesture;
    if (gesture.active && !gesture.onWell && !gesture.wandered) consider(gesture.longPressAt);
    return next;
}
