// The options dialog: the seven flags as check boxes and radio pairs,
// stored and shown at once on OK, untouched on Cancel and Esc.
#include "store/dialogs.h"
#include "store/dialogs_fields.h"
#include "store/settings.h"

namespace {

void Mark(HWND dialog, int id, bool checked) { CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED); }
bool Marked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void ShowMarks(HWND dialog, const OptionMarks& marks) {
    CheckRadioButton(dialog, kSevenShapesRadio, kElevenShapesRadio,
                     marks.sevenShapes ? kSevenShapesRadio : kElevenShapesRadio);
    CheckRadioButton(dialog, kDropToBottomRadio, kFastFallRadio, marks.dropToBottom ? kDropToBottomRadio : kFastFallRadio);
    Mark(dialog, kSoundBox, marks.sound);
    Mark(dialog, kPreviewBox, marks.preview);
    Mark(dialog, kLook3DBox, marks.look3D);
    Mark(dialog, kInversionBox, marks.inversion);
    Mark(dialog, kClockwiseBox, marks.clockwise);
}

OptionMarks ReadMarks(HWND dialog) {
    OptionMarks marks;
    marks.dropToBottom = Marked(dialog, kDropToBottomRadio);
    marks.sevenShapes = Marked(dialog, kSevenShapesRadio);
    marks.sound = Marked(dialog, kSoundBox);
    marks.preview = Marked(dialog, kPreviewBox);
    marks.look3D = Marked(dialog, kLook3DBox);
    marks.inversion = Marked(dialog, kInversionBox);
    marks.clockwise = Marked(dialog, kClockwiseBox);
    return marks;
}

void StoreOptions(HWND dialog, const DialogContext& context) {
    Game& game = *context.game;
    game.options = OptionsForMarks(ReadMarks(dialog));
    game.state.shapeCount = ShapeCountForStyle(game.options.style);
    SaveSettings(game.options, *context.scores, kSettingsFile);
    // The new look shows before the dialog goes away.
    HWND owner = GetWindow(dialog, GW_OWNER);
    InvalidateRect(owner, nullptr, TRUE);
    UpdateWindow(owner);
}

INT_PTR CALLBACK OptionsDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        const DialogContext* context = reinterpret_cast<const DialogContext*>(lParam);
        ShowMarks(dialog, MarksForOptions(context->game->options));
        SetFocus(GetDlgItem(dialog, IDOK));
        return FALSE;  // the focus is set
    }
    case WM_COMMAND: {
        const DialogContext* context = reinterpret_cast<const DialogContext*>(GetWindowLongPtrA(dialog, DWLP_USER));
        if (LOWORD(wParam) == IDOK) {
            StoreOptions(dialog, *context);
            EndDialog(dialog, 1);
        } else if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, 1);
        }
        return TRUE;
    }
    default: return FALSE;
    }
}

}  // namespace

void ShowOptions(HWND parent, const DialogContext& context) {
    DialogBoxParamA(context.instance, MAKEINTRESOURCEA(kOptionsTemplate), parent, OptionsDialog,
                    reinterpret_cast<LPARAM>(&context));
}
