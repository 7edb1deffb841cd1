// trelmo-xprobe cursor: what the X server shows as the pointer, for the
// Linux program's end-to-end cases (screenshots leave the pointer out).
// Prints the hot spot, then one row of characters per row of the image:
// X for a dark opaque pixel, o for a light one, . for a clear one.
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc != 2 || std::strcmp(argv[1], "cursor") != 0) {
        std::fprintf(stderr, "usage: trelmo-xprobe cursor\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return 1;
    int event = 0, error = 0;
    if (!XFixesQueryExtension(display, &event, &error)) return 1;
    XFixesCursorImage* image = XFixesGetCursorImage(display);
    if (image == nullptr) return 1;
    std::printf("hot %d %d\n", image->xhot, image->yhot);
    for (int y = 0; y < image->height; ++y) {
        for (int x = 0; x < image->width; ++x) {
            const unsigned long argb = image->pixels[y * image->width + x];
            const unsigned alpha = (argb >> 24) & 0xff, green = (argb >> 8) & 0xff;
            std::putchar(alpha < 128 ? '.' : green < 128 ? 'X' : 'o');
        }
        std::putchar('\n');
    }
    XFree(image);
    XCloseDisplay(display);
    return 0;
}
