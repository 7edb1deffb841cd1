// What the resource script puts into the program: the pictures, the hand
// cursor, the three icons, the two sounds, the version block and the dialog
// templates, each under its id and loadable the way the program loads it.
#include <gtest/gtest.h>
#include <windows.h>

#include <cwctype>
#include <string>
#include <vector>

#include "media/icon_rgba.h"
#include "win32/icon.h"

namespace {

HINSTANCE Module() { return GetModuleHandleA(nullptr); }

TEST(Resources, BitmapsHaveTheirSizesAndDepths) {
    struct Expected {
        int id, width, height, bitsPerPixel;
    };
    for (const Expected& e : {Expected{101, 220, 30, 8}, Expected{102, 78, 92, 8}, Expected{103, 143, 23, 4}}) {
        SCOPED_TRACE(e.id);
        HRSRC found = FindResourceA(Module(), MAKEINTRESOURCEA(e.id), MAKEINTRESOURCEA(2));  // RT_BITMAP
        ASSERT_NE(found, nullptr);
        const auto* header = static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(Module(), found)));
        ASSERT_NE(header, nullptr);
        EXPECT_EQ(header->biWidth, e.width);
        EXPECT_EQ(header->biHeight, e.height);
        EXPECT_EQ(header->biBitCount, e.bitsPerPixel);
        HBITMAP bitmap = LoadBitmapA(Module(), MAKEINTRESOURCEA(e.id));
        EXPECT_NE(bitmap, nullptr);
        DeleteObject(bitmap);
    }
}

TEST(Resources, HandCursorHasItsHotSpotAtTheTopLeft) {
    HCURSOR hand = LoadCursorA(Module(), MAKEINTRESOURCEA(1));
    ASSERT_NE(hand, nullptr);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(hand, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 0u);
    EXPECT_EQ(info.yHotspot, 0u);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
}

TEST(Resources, ThreeIconsOf32By32) {
    for (int id : {102, 103, 104}) {
        SCOPED_TRACE(id);
        HICON icon = static_cast<HICON>(LoadImageA(Module(), MAKEINTRESOURCEA(id), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
        ASSERT_NE(icon, nullptr);
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        EXPECT_TRUE(info.fIcon);
        BITMAP mask = {};
        GetObjectA(info.hbmMask, sizeof mask, &mask);
        EXPECT_EQ(mask.bmWidth, 32);
        if (info.hbmMask) DeleteObject(info.hbmMask);
        if (info.hbmColor) DeleteObject(info.hbmColor);
        DestroyIcon(icon);
    }
}

// Draws `icon` with DrawIconEx over a desktop of one colour and expects the
// icon routine's picture of icon `id` at `size`, pixel for pixel.
void ExpectRoutinePicture(HICON icon, int id, int size) {
    constexpr COLORREF kDesktop = RGB(255, 0, 255);
    ASSERT_NE(icon, nullptr);
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof info.bmiHeader, size, -size, 1, 32, BI_RGB};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP target = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(target, nullptr);
    HGDIOBJ old = SelectObject(dc, target);
    const RECT all = {0, 0, size, size};
    HBRUSH desktop = CreateSolidBrush(kDesktop);
    FillRect(dc, &all, desktop);
    DeleteObject(desktop);
    EXPECT_TRUE(DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL));
    GdiFlush();

    std::vector<uint8_t> want(4 * size * size);
    ASSERT_TRUE(DrawIconRgba(id, size, want.data(), 4 * size));
    const auto* got = static_cast<const uint8_t*>(bits);  // blue, green, red, unused
    int differing = 0;
    for (int i = 0; i < size * size; ++i) {
        const uint8_t* w = &want[4 * i];
        const COLORREF expected = w[3] != 0 ? RGB(w[0], w[1], w[2]) : kDesktop;
        const COLORREF seen = RGB(got[4 * i + 2], got[4 * i + 1], got[4 * i]);
        if (seen != expected && differing++ < 3)
            ADD_FAILURE() << "pixel " << i % size << "," << i / size << ": " << std::hex << seen << " for "
                          << expected;
    }
    EXPECT_EQ(differing, 0);
    SelectObject(dc, old);
    DeleteObject(target);
    DeleteDC(dc);
}

// Each size the notification area and the task bar ask for, from 100 % to
// 300 % display scale, is an image of its own: the system draws it as it
// is, neither stretched from another size nor with a mask that leaves black
// pixels where the desktop should show (at 125 % to 175 % Windows stretched
// the one 32 x 32 image, breaking the frame and blackening two edges).
TEST(Resources, EveryIconSizeIsDrawnAsItsOwnPicture) {
    for (int id : {102, 103, 104}) {
        for (const int size : kIconResourceSizes) {
            SCOPED_TRACE(::testing::Message() << "icon " << id << " at " << size);
            HICON icon = static_cast<HICON>(LoadImageA(Module(), MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0));
            ExpectRoutinePicture(icon, id, size);
            DestroyIcon(icon);
        }
    }
}

// The icons the program makes itself (the notification area's) are the
// routine's picture at any size, the small icon's at 125 % to 175 % among
// them, with its colours in the system's order and its clear pixels clear.
TEST(Resources, MadeIconsAreTheRoutinesPictureAtAnySize) {
    for (int id : {102, 103, 104}) {
        for (const int size : {16, 20, 24, 28, 48}) {
            SCOPED_TRACE(::testing::Message() << "icon " << id << " at " << size);
            HICON icon = MakeIcon(id, size);
            ExpectRoutinePicture(icon, id, size);
            DestroyIcon(icon);
        }
    }
    EXPECT_EQ(MakeIcon(105, 20), nullptr);
    EXPECT_EQ(MakeIcon(102, 0), nullptr);
    EXPECT_EQ(MakeIcon(102, kLargestIconSize + 1), nullptr);
}

TEST(Resources, SoundsAreWaveResourcesHoldingRiffWaveFiles) {
    for (int id : {110, 111}) {
        SCOPED_TRACE(id);
        HRSRC found = FindResourceA(Module(), MAKEINTRESOURCEA(id), "WAVE");
        ASSERT_NE(found, nullptr);
        const char* bytes = static_cast<const char*>(LockResource(LoadResource(Module(), found)));
        ASSERT_NE(bytes, nullptr);
        ASSERT_GE(SizeofResource(Module(), found), 44u);
        EXPECT_EQ(std::string(bytes, 4), "RIFF");
        EXPECT_EQ(std::string(bytes + 8, 4), "WAVE");
    }
}

TEST(Resources, VersionBlockReads1_20_32) {
    HRSRC found = FindResourceA(Module(), MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(16));  // RT_VERSION
    ASSERT_NE(found, nullptr);
    const auto* block = static_cast<const BYTE*>(LockResource(LoadResource(Module(), found)));
    const DWORD size = SizeofResource(Module(), found);
    // The fixed part follows the "VS_VERSION_INFO" key, on a 32-bit boundary.
    const BYTE* end = block + size;
    const VS_FIXEDFILEINFO* fixed = nullptr;
    for (const BYTE* p = block; p + sizeof(VS_FIXEDFILEINFO) <= end; p += 4) {
        const auto* candidate = reinterpret_cast<const VS_FIXEDFILEINFO*>(p);
        if (candidate->dwSignature == 0xFEEF04BD) {
            fixed = candidate;
            break;
        }
    }
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(HIWORD(fixed->dwFileVersionMS), 1);
    EXPECT_EQ(LOWORD(fixed->dwFileVersionMS), 20);
    EXPECT_EQ(HIWORD(fixed->dwFileVersionLS), 32);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    // The version string "1.20.32" in UTF-16.
    const std::wstring version = L"1.20.32";
    const auto* text = reinterpret_cast<const wchar_t*>(block);
    const std::wstring all(text, size / sizeof(wchar_t));
    EXPECT_NE(all.find(version), std::wstring::npos);
}

// One control of a dialog template as the resource holds it.
struct TemplateControl {
    int id;
    int x, y, width, height;
    DWORD style;
    std::wstring kind;  // the window class, upper case, atoms spelt out
    int iconId;         // the text as a resource number, or -1
};

// Reads the numbers or UTF-16 string of a menu, class or text field.
const WORD* ReadField(const WORD* p, std::wstring& text, int& number) {
    text.clear();
    number = -1;
    if (*p == 0xFFFF) {
        number = p[1];
        return p + 2;
    }
    while (*p != 0) text += static_cast<wchar_t>(*p++);
    return p + 1;
}

const WORD* AlignToDword(const WORD* p, const void* start) {
    const auto offset = reinterpret_cast<const BYTE*>(p) - static_cast<const BYTE*>(start);
    return offset % 4 ? p + 1 : p;
}

// The controls of a DIALOG template, in template order.
std::vector<TemplateControl> TemplateControls(int templateId) {
    std::vector<TemplateControl> controls;
    HRSRC found = FindResourceA(Module(), MAKEINTRESOURCEA(templateId), MAKEINTRESOURCEA(5));  // RT_DIALOG
    if (found == nullptr) return controls;
    const void* start = LockResource(LoadResource(Module(), found));
    const auto* dialog = static_cast<const DLGTEMPLATE*>(start);
    const WORD* p = reinterpret_cast<const WORD*>(dialog + 1);
    std::wstring text;
    int number;
    p = ReadField(p, text, number);  // menu
    p = ReadField(p, text, number);  // class
    p = ReadField(p, text, number);  // caption
    if (dialog->style & DS_SETFONT) {
        ++p;                             // point size
        p = ReadField(p, text, number);  // typeface
    }
    for (int i = 0; i < dialog->cdit; ++i) {
        const auto* item = reinterpret_cast<const DLGITEMTEMPLATE*>(AlignToDword(p, start));
        TemplateControl control{static_cast<short>(item->id), item->x, item->y, item->cx, item->cy, item->style, L"", -1};
        p = reinterpret_cast<const WORD*>(item + 1);
        p = ReadField(p, control.kind, number);
        if (number == 0x80) control.kind = L"BUTTON";
        if (number == 0x81) control.kind = L"EDIT";
        if (number == 0x82) control.kind = L"STATIC";
        for (wchar_t& c : control.kind) c = static_cast<wchar_t>(std::towupper(c));
        p = ReadField(p, text, control.iconId);
        p += 1 + *p / sizeof(WORD);  // creation data
        controls.push_back(control);
    }
    return controls;
}

struct PlacedControl {
    int id;
    int x, y, width, height;
    const wchar_t* kind;
};

void ExpectControls(int templateId, const std::vector<PlacedControl>& want) {
    SCOPED_TRACE(templateId);
    const std::vector<TemplateControl> got = TemplateControls(templateId);
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < want.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(got[i].id, want[i].id);
        EXPECT_EQ(got[i].x, want[i].x);
        EXPECT_EQ(got[i].y, want[i].y);
        EXPECT_EQ(got[i].width, want[i].width);
        EXPECT_EQ(got[i].height, want[i].height);
        EXPECT_EQ(got[i].kind, want[i].kind);
    }
}

TEST(DialogTemplates, ControlsStandInOrderWithTheirIdsPlacesAndSizes) {
    ExpectControls(2, {{107, 2, 22, 201, 1, L"STATIC"},
                       {1, 150, 162, 50, 14, L"BUTTON"},
                       {102, 90, 162, 50, 14, L"BUTTON"},
                       {103, 10, 9, 24, 8, L"STATIC"},
                       {104, 60, 9, 24, 8, L"STATIC"},
                       {105, 126, 9, 24, 8, L"STATIC"},
                       {106, 164, 9, 39, 8, L"STATIC"},
                       {-1, 3, 154, 199, 1, L"STATIC"}});
    ExpectControls(3, {{1, 119, 61, 48, 14, L"BUTTON"},
                       {103, 43, 35, 122, 13, L"EDIT"},
                       {-1, 5, 56, 162, 1, L"STATIC"},
                       {-1, 7, 9, 20, 20, L"STATIC"},
                       {-1, 43, 4, 118, 11, L"STATIC"},
                       {-1, 43, 17, 86, 8, L"STATIC"}});
    ExpectControls(4, {{1, 115, 82, 57, 14, L"BUTTON"},
                       {2, 115, 101, 57, 14, L"BUTTON"},
                       {101, 107, 7, 64, 12, L"BUTTON"},
                       {102, 4, 4, 94, 60, L"BUTTON"},
                       {103, 107, 23, 72, 12, L"BUTTON"},
                       {104, 11, 15, 78, 9, L"BUTTON"},
                       {105, 11, 29, 79, 10, L"BUTTON"},
                       {106, 4, 71, 94, 43, L"BUTTON"},
                       {307, 13, 83, 70, 12, L"BUTTON"},
                       {308, 13, 99, 60, 12, L"BUTTON"},
                       {109, 107, 39, 69, 10, L"BUTTON"},
                       {111, 107, 55, 47, 10, L"BUTTON"},
                       {110, 12, 45, 65, 10, L"BUTTON"}});
}

TEST(DialogTemplates, NameDialogShowsIcon104InATwentyUnitSquare) {
    const std::vector<TemplateControl> controls = TemplateControls(3);
    ASSERT_EQ(controls.size(), 6u);
    const TemplateControl& icon = controls[3];
    EXPECT_EQ(icon.style & SS_TYPEMASK, static_cast<DWORD>(SS_ICON));
    EXPECT_EQ(icon.iconId, 104);
    EXPECT_EQ(icon.width, 20);
    EXPECT_EQ(icon.height, 20);
}

}  // namespace
