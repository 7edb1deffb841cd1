// trelmo-site-icon: prints the program's icon (102) as 32 rows of RGBA
// pixels in hexadecimal, eight digits a pixel, transparent where it has no
// ink: the build scales it into the site's icons (make_site.js).
#include <cstdio>

#include "media/artwork.h"
#include "resources/ids.h"

int main() {
    const IconRows& rows = *IconRowsOf(IDI_PROGRAM);
    for (int y = 0; y < kIconSize; ++y) {
        for (int x = 0; x < kIconSize; ++x) {
            const IconRgba pixel = IconPixel(rows, x, y);
            std::printf("%02x%02x%02x%02x", pixel.r, pixel.g, pixel.b, pixel.a);
        }
        std::printf("\n");
    }
    return 0;
}
