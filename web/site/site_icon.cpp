// trelmo-site-icon: prints the program's icon (102) as 32 rows of RGBA
// pixels in hexadecimal, eight digits a pixel, transparent where it has no
// ink: the build scales it into the site's icons (make_site.js).
#include <cstdio>

#include "media/icon_rgba.h"
#include "resources/ids.h"

int main() {
    static uint8_t pixels[kIconSize * kIconSize * 4];
    DrawIconRgba(IDI_PROGRAM, kIconSize, pixels, 4 * kIconSize);
    for (int i = 0; i < kIconSize * kIconSize; ++i) {
        const uint8_t* pixel = pixels + 4 * i;
        std::printf("%02x%02x%02x%02x%s", pixel[0], pixel[1], pixel[2], pixel[3], i % kIconSize == kIconSize - 1 ? "\n" : "");
    }
    return 0;
}
