// What the resource script puts into the program: the pictures, the hand
// cursor, the three icons, the two sounds and the version block, each
// under its id and loadable the way the program loads it.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

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

}  // namespace
