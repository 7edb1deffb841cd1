// trelmo-write-icon SIZE FILE.png: icon 102 as a PNG of SIZE x SIZE, for
// the desktop's menus. Larger sizes repeat each pixel of the 32 x 32
// picture in a whole square, never smoothed, so that the menus show the
// same crisp picture as the window; 16 x 16 is the picture Windows shows at
// that size, in the icon's own colours with its frame whole, where a
// smoothed reduction would blur the 1-pixel frame and the cells' shading
// into greys.
#include <cstdio>
#include <cstdlib>

#include "gtk/pictures.h"
#include "resources/ids.h"

namespace {

bool SizeWeDraw(int size) { return size == kIconSize / 2 || (size >= kIconSize && size % kIconSize == 0); }

}  // namespace

int main(int argc, char** argv) {
    const int size = argc == 3 ? std::atoi(argv[1]) : 0;
    if (!SizeWeDraw(size)) {
        std::fprintf(stderr, "usage: trelmo-write-icon SIZE FILE.png (SIZE 16, or a multiple of 32)\n");
        return 2;
    }
    GdkPixbuf* picture = IconPixbuf(IDI_PROGRAM, size);
    GError* error = nullptr;
    if (picture == nullptr || !gdk_pixbuf_save(picture, argv[2], "png", &error, nullptr)) {
        std::fprintf(stderr, "trelmo-write-icon: %s\n", error != nullptr ? error->message : "no icon");
        return 1;
    }
    g_object_unref(picture);
    return 0;
}
