// The top-ten table: offering a result, the name entry and the table
// dialog with its Clear button.
#include <cstring>

#include "draw/scale.h"
#include "store/dialogs_fields.h"
#include "store/gbk.h"
#include "win32/dialogs.h"
#include "win32/dpi.h"
#include "win32/text.h"

namespace {

// Long enough for anything the name box can hold; only its first 18 bytes
// are kept.
constexpr int kNameReadBytes = 256;

void EndIgnoringCancel(HWND dialog, WPARAM wParam) {
    // Esc sends IDCANCEL; only OK closes these dialogs.
    if (LOWORD(wParam) == IDOK) EndDialog(dialog, 1);
}

INT_PTR CALLBACK NameEntryDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        SetDlgItemTextW(dialog, IDC_NAME_BOX, Widen(reinterpret_cast<const char*>(lParam)));
        return TRUE;  // focus to the first tab stop, OK
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            char* name = reinterpret_cast<char*>(GetWindowLongPtrA(dialog, DWLP_USER));
            wchar_t typed[kNameReadBytes] = {};
            GetDlgItemTextW(dialog, IDC_NAME_BOX, typed, kNameReadBytes);
            char gbk[kTypedNameBytes + 1];
            Narrow(typed, gbk, sizeof gbk);
            CopyGbkPrefix(name, gbk, kTypedNameBytes);
        }
        EndIgnoringCancel(dialog, wParam);
        return TRUE;
    default: return FALSE;
    }
}

UINT AlignmentOf(ColumnAlign align) { return align == ColumnAlign::Right ? TA_RIGHT : TA_CENTER; }

// The columns and rows are placed for 96 dots per inch: at the dialog's
// scale, with the font at the same scale.
void DrawColumnText(HDC dc, const ScoreColumn& column, int y, const char* text, int dpi) {
    SetTextAlign(dc, AlignmentOf(column.align));
    const WideText wide = Widen(text);
    TextOutW(dc, ScaledLength(column.x, dpi), ScaledLength(y, dpi), wide, wide.length);
}

void PaintScoreRows(HWND dialog, const ScoreTable& table) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(dialog, &paint);
    SetBkMode(dc, TRANSPARENT);
    const int dpi = WindowDpi(dialog);
    // The stock font, or one like it where it cannot show GBK or is not at
    // the dialog's scale.
    HFONT gbkFont = CreateFontLike(ANSI_VAR_FONT, dpi);
    for (int i = 0; i < kScoreRows; ++i) {
        const UINT oldAlign = GetTextAlign(dc);
        HGDIOBJ oldFont = SelectObject(dc, gbkFont != nullptr ? gbkFont : GetStockObject(ANSI_VAR_FONT));
        const ScoreRowTexts texts = TextsForScoreRow(table.rows[i], i);
        const int y = ScoreRowY(i);
        DrawColumnText(dc, kPlaceColumn, y, texts.place, dpi);
        DrawColumnText(dc, kScoreColumn, y, texts.score, dpi);
        DrawColumnText(dc, kLinesColumn, y, texts.lines, dpi);
        DrawColumnText(dc, kNameColumn, y, texts.name, dpi);
        SetTextAlign(dc, oldAlign);
        SelectObject(dc, oldFont);
    }
    if (gbkFont != nullptr) DeleteObject(gbkFont);
    EndPaint(dialog, &paint);
}

void ClearShownTable(HWND dialog, const DialogContext& context) {
    ClearTable(*context.dispatcher);
    InvalidateRect(dialog, nullptr, TRUE);
    UpdateWindow(dialog);
}

INT_PTR CALLBACK HighScoreDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    const DialogContext* context = reinterpret_cast<const DialogContext*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        return TRUE;  // focus to the first tab stop, OK
    case WM_PAINT:
        if (context == nullptr) return FALSE;
        PaintScoreRows(dialog, *context->dispatcher->scores);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_CLEAR && context != nullptr) ClearShownTable(dialog, *context);
        EndIgnoringCancel(dialog, wParam);
        return TRUE;
    default: return FALSE;
    }
}

}  // namespace

Answer EnterName(HWND parent, HINSTANCE instance, const char* offered) {
    char name[kNameBytes] = {};
    std::strncpy(name, offered, kNameBytes - 1);
    DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_NAME_ENTRY), parent, NameEntryDialog, reinterpret_cast<LPARAM>(name));
    return Answer::Typed(name);
}

void ShowHighScores(HWND parent, const DialogContext& context) {
    DialogBoxParamW(context.instance, MAKEINTRESOURCEW(IDD_SCORE_TABLE), parent, HighScoreDialog,
                    reinterpret_cast<LPARAM>(&context));
}
