#pragma once
// What the page's script hands the module (web/page.cpp): the kinds of input
// of trelmo_input and the descriptions trelmo_describe answers with calls of
// web/page_calls.h. The build writes both into the script as constants.

// trelmo_input(kind, a, b, c): one event of the page's, its values in a, b
// and c; the answer is 0 unless the kind says otherwise.
enum class PageInput {
    KeyDown,       // a: virtual key, b: 1 with Ctrl held
    KeyUp,         // a: virtual key
    Character,     // a: the character typed
    KeysLost,      // the page lost the keyboard: a held Down never comes up
    MouseDown,     // a: 0 left, 1 middle, 2 right; b, c: client-area pixels
    HandAt,        // b, c: client-area pixels; 1 where the hand shows
    Button,        // a: the main window's button
    MenuItem,      // a: a popup menu's item id
    Activation,    // a: 1 active, b: 1 visible
    Tick,          // the gravity timer
    Repaint,       // the whole window afresh, outside any input
    Exit,          // Yes in the exit box: the offer, then the end
    ClearScores,   // the table's Clear
    StoreOptions,  // the options dialog's OK; a: its controls checked, as bits in
                   // the order of the OptionMarks description
    ShutDown,      // the page ends the game: nothing of it runs again
    // A key in an open dialog (resources/dialog_keys.h). a: virtual key, the
    // modifiers held times 0x100, the dialog times 0x10000 (a template id,
    // kQuestionKeys or kSheetKeys); b: the focused control's index, -1 for
    // none; c: the checked controls, bit by index, or the sheet's page. The
    // answer: its action plus 0x10 times (its target + 1).
    DialogKey,
    // A key in popup menu b (0 main, 1 icon's) with item c highlighted, -1
    // for none (commands/menus.h). a: virtual key. The answer: its action
    // plus 0x10 times (its item + 1).
    MenuKey,
    // Reports (commands/reports.h), a: the time in ms; a point is x + 65536 y,
    // eighths of a CSS pixel from the client area's corner.
    TouchBegan,   // b: point, c: the client area's width in eighths; 1 when taken
    TouchMoved,   // b: point, c: the width
    TouchEnded,   // b: 1 lifted, 0 taken by the browser
    TouchHeld,    // the browser's own long press
    ControlDown,  // b: the control's virtual key
    ControlUp,    // b: the control's virtual key
    Pad,          // b: the pressed buttons, a bit each, c: the stick's x in thousandths
    PadInDialog,  // b: the pressed buttons; answers the key the open dialog or menu (after the end, the button to start again) gets
    WakeUp,       // the wake-up asked for with trelmo_page_wake_up
    Layout,       // a: 1 the tall layout, 0 the window's; the page asks for the repaint
    MenuControl,  // the touch screen's Menu control: the window's menu
};

// How DialogKey, MenuKey and the touches pack their values.
constexpr int kKeyModifiers = 0x100, kKeyDialog = 0x10000;  // DialogKey's a
constexpr int kAnswerTarget = 0x10;                         // an answer's target + 1
constexpr int kPointYShift = 16;                            // a point's y, x in the low 16 bits

// The dialogs of DialogKey that have no template.
constexpr int kQuestionKeys = 0x40, kSheetKeys = 0x41;

// trelmo_describe(kind, which): what the page shows but the module knows,
// told through the page's calls named here.
enum class PageDescription {
    Texts,        // trelmo_page_text for each text the page shows itself
    Pictures,     // trelmo_page_picture for the icons and the hand
    Sounds,       // trelmo_page_sound for each sound
    Menu,         // trelmo_page_menu_item for menu `which` (0 main, 1 icon's)
    ScoreRows,    // trelmo_page_score_cell for every cell of the table
    OptionMarks,  // trelmo_page_option_mark for every control of the options
    Questions,    // trelmo_page_dialog_control for the Yes and No of a question box
};
