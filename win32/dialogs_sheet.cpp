// The information sheet: three static pages (about, keys, scoring) with OK
// and Cancel, both of which close it.
#include "win32/dialogs.h"

#include <commctrl.h>
#include <prsht.h>

#include "store/dialogs_fields.h"
#include "win32/text.h"

void ShowInfoSheet(HWND parent, HINSTANCE instance, int startPage) {
    InitCommonControls();
    PROPSHEETPAGEW pages[kSheetPageCount] = {};
    WideText titles[kSheetPageCount];
    for (int i = 0; i < kSheetPageCount; ++i) {
        titles[i] = Widen(kSheetPages[i].title);
        pages[i].dwSize = sizeof pages[i];
        pages[i].dwFlags = PSP_USETITLE;
        pages[i].hInstance = instance;
        pages[i].pszTemplate = MAKEINTRESOURCEW(kSheetPages[i].dialogTemplate);
        pages[i].pszTitle = titles[i];
    }
    const WideText caption = Widen(kSheetCaption);
    PROPSHEETHEADERW sheet = {};
    sheet.dwSize = sizeof sheet;
    sheet.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW;
    sheet.hwndParent = parent;
    sheet.hInstance = instance;
    sheet.pszCaption = caption;
    sheet.nPages = kSheetPageCount;
    sheet.nStartPage = static_cast<UINT>(startPage);
    sheet.ppsp = pages;
    if (PropertySheetW(&sheet) == -1) MessageBeep(0);
}
