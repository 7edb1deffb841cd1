#include "web/page_descriptions.h"

#include "commands/menus.h"
#include "media/artwork.h"
#include "media/icon_rgba.h"
#include "media/sounds.h"
#include "resources/dialog_keys.h"
#include "resources/dialog_script.h"
#include "resources/ids.h"
#include "resources/texts.h"
#include "store/dialogs_fields.h"
#include "web/page_calls.h"

namespace {

void DescribeTexts() {
    const struct {
        const char* name;
        const char* text;
    } texts[] = {
        {"sheetCaption", kSheetCaption},
        {"sheetOk", kSheetOk},
        {"sheetCancel", kSheetCancel},
        {"replayQuestion", kReplayQuestion},
        {"replayTitle", kReplayTitle},
        {"exitQuestion", kExitQuestion},
        {"exitTitle", kExitTitle},
        {"yes", kYesText},
        {"trayTip", kTrayTip},
        {"padLeft", kPadLeftText},
        {"padRight", kPadRightText},
        {"padTurn", kPadTurnText},
        {"padDrop", kPadDropText},
        {"pause", kPauseText},
        {"hideControls", kHideControlsText},
        {"showControls", kShowControlsText},
        {"menuControl", kMenuControlText},
        {"speedLabel", kSpeedText},
        {"rowsLabel", kStartRowsText},
        {"no", kNoText},
        {"gameEnded", kGameEndedNotice},
        {"restart", kRestartText},
        {"otherTab", kOtherTabNotice},
        {"download", kDownloadSettings},
        {"load", kLoadSettings},
        {"refused", kSettingsRefused},
        {"loaded", kSettingsLoaded},
        {"touchHelpTitle", kTouchHelpTitle},
        {"touchHelpTap", kTouchHelpTap},
        {"touchHelpDrag", kTouchHelpDrag},
        {"touchHelpFlick", kTouchHelpFlick},
        {"touchHelpPress", kTouchHelpPress},
        {"touchHelpGoOn", kTouchHelpGoOn},
        {"shareLast", kShareLastText},
        {"shareCopied", kShareCopied},
        {"shareSent", kShareSent},
        {"shareFailed", kShareFailed},
        {"watching", kWatchingNotice},
        {"stopWatching", kStopWatchingText},
        {"watchEnded", kWatchEndedNotice},
        {"playOwn", kPlayOwnText},
        {"linkRefused", kLinkRefused},
    };
    for (const auto& t : texts) trelmo_page_text(t.name, t.text);
}

// The icons in the colours of the window's palette, and the hand in black
// and white; transparent where they have no ink.
void DescribePictures() {
    static uint8_t pixels[kIconSize * kIconSize * 4];
    for (const int iconId : {IDI_PROGRAM, IDI_EXIT, IDI_NAME_ENTRY}) {
        DrawIconRgba(iconId, kIconSize, pixels, 4 * kIconSize);
        trelmo_page_picture(iconId, pixels, kIconSize, kIconSize);
    }
    static_assert(kHandWidth * kHandHeight <= kIconSize * kIconSize, "the hand fits the icons' pixels");
    for (int y = 0; y < kHandHeight; ++y) {
        for (int x = 0; x < kHandWidth; ++x) {
            const char ink = HandCursorInk(x, y);
            const uint8_t level = ink == kCursorWhite ? 255 : 0;
            uint8_t* to = pixels + 4 * (y * kHandWidth + x);
            to[0] = to[1] = to[2] = level;
            to[3] = ink == kCursorClear ? 0 : 255;
        }
    }
    trelmo_page_picture(IDR_HAND_CURSOR, pixels, kHandWidth, kHandHeight);
}

void DescribeSounds() {
    for (const int soundId : {LockSound, RowSound}) {
        const SoundSamples sound = SamplesOfSound(soundId);
        trelmo_page_sound(soundId, sound.samples.data(), static_cast<int>(sound.samples.size()),
                          static_cast<int>(sound.rate), sound.channels);
    }
}

}  // namespace

// The page's main menu is the window's with, after the two steps to the
// top, an item for each game there is to share.
const MenuTable* PageMenu(int which, Shares shares) {
    static MenuItem items[sizeof MainMenu / sizeof *MainMenu + 2];
    static MenuTable menu;
    if (which == kTrayMenu) return &kPopupMenus[kTrayMenu];
    if (which != kMainMenu) return nullptr;
    int count = 0;
    for (const MenuItem& item : MainMenu) {
        items[count++] = item;
        if (item.id != CmdMaxRows) continue;
        if (shares.gameGoingOn) items[count++] = {CmdShareGame, kShareGameItem};
        if (shares.lastEnded) items[count++] = {CmdShareLast, kShareLastItem};
    }
    menu = {items, count};
    return &menu;
}

namespace {

void DescribeMenu(int which, const GameState& state, Shares shares) {
    const MenuTable* menu = PageMenu(which, shares);
    if (menu == nullptr) return;
    for (int i = 0; i < menu->count; ++i) {
        const MenuItem& item = menu->items[i];
        trelmo_page_menu_item(item.id, item.id != 0 && MenuItemGreyed(item.id, state) ? 1 : 0,
                              item.text != nullptr ? item.text : "");
    }
}

void DescribeScoreRows(const ScoreTable& scores) {
    for (int row = 0; row < kScoreRows; ++row) {
        const ScoreRowTexts texts = TextsForScoreRow(scores.rows[row], row);
        const struct {
            const ScoreColumn& column;
            const char* text;
        } cells[] = {{kPlaceColumn, texts.place},
                     {kScoreColumn, texts.score},
                     {kLinesColumn, texts.lines},
                     {kNameColumn, texts.name}};
        for (const auto& cell : cells)
            trelmo_page_score_cell(ScoreRowY(row), cell.column.x, cell.column.align == ColumnAlign::Centre ? 1 : 0,
                                   cell.text);
    }
}

// In the order the dialog's OK tells them back (StoreOptions).
void DescribeOptionMarks(const Options& options) {
    const OptionMarks marks = MarksForOptions(options);
    for (int i = 0; i < kMarkedControlCount; ++i) {
        const MarkedControl marked = MarkedControlAt(marks, i);
        trelmo_page_option_mark(marked.control, marked.checked ? 1 : 0);
    }
}

// A control's text as shown, with its underline.
void DescribeControl(ControlKind kind, int id, int iconId, const PixelRect& r, bool startsGroup, bool tabStop,
                     const char* text) {
    const ControlText shown = ReadControlText(text);
    trelmo_page_dialog_control(static_cast<int>(kind), id, iconId, r.x, r.y, r.width, r.height, startsGroup ? 1 : 0,
                               tabStop ? 1 : 0, shown.shown, shown.underline, shown.underlineBytes);
}

}  // namespace

void DescribeToPage(PageDescription what, int which, const Game& game, const ScoreTable& scores, Shares shares) {
    switch (what) {
    case PageDescription::Texts: DescribeTexts(); break;
    case PageDescription::Pictures: DescribePictures(); break;
    case PageDescription::Sounds: DescribeSounds(); break;
    case PageDescription::Menu: DescribeMenu(which, game.state, shares); break;
    case PageDescription::ScoreRows: DescribeScoreRows(scores); break;
    case PageDescription::OptionMarks: DescribeOptionMarks(game.options); break;
    case PageDescription::Questions:
        for (const char* text : {kYesText, kNoText})
            DescribeControl(ControlKind::PushButton, 0, 0, {}, text == kYesText, true, text);
        break;
    }
}

bool DescribeDialog(int templateId, int alphabetWidth, int fontHeight) {
    const DialogTemplate* dialog = DialogTemplateById(templateId);
    if (dialog == nullptr) return false;
    const DialogBaseUnits base = BaseUnitsForFont(alphabetWidth, fontHeight);
    const PixelRect frame = DialogRectToPixels(dialog->x, dialog->y, dialog->width, dialog->height, base);
    trelmo_page_dialog_frame(dialog->caption, frame.x, frame.y, frame.width, frame.height, dialog->centred ? 1 : 0);
    for (int i = 0; i < dialog->controlCount; ++i) {
        const DialogControl& c = dialog->controls[i];
        const PixelRect r = DialogRectToPixels(c.x, c.y, c.width, c.height, base);
        DescribeControl(c.kind, c.id, c.iconId, r, c.startsGroup, c.tabStop, c.text);
    }
    return true;
}

void DescribeSheet(int alphabetWidth, int fontHeight) {
    const DialogBaseUnits base = BaseUnitsForFont(alphabetWidth, fontHeight);
    trelmo_page_sheet_frame(DialogUnitsToPixelsX(kSheetMargin, base), DialogUnitsToPixelsY(kSheetMargin, base),
                            DialogUnitsToPixelsX(kSheetButtonWidth, base),
                            DialogUnitsToPixelsY(kSheetButtonHeight, base));
    for (const SheetPage& page : kSheetPages) trelmo_page_sheet_page(page.title, page.dialogTemplate);
}
