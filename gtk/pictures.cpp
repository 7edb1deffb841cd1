#include "gtk/pictures.h"

#include "media/artwork.h"
#include "media/icon_rgba.h"
#include "resources/ids.h"

namespace {

constexpr int kChannels = 4;  // RGBA
// The window's icon up to 128 pixels, the largest a desktop shows of a
// window (a task switcher on a 200 % screen).
constexpr int kLargestIconFactor = 4;

void PutPixel(guchar* pixel, Rgb colour, bool opaque) {
    pixel[0] = colour.r;
    pixel[1] = colour.g;
    pixel[2] = colour.b;
    pixel[3] = opaque ? 255 : 0;
}

GdkPixbuf* NewPicture(int width, int height) {
    GdkPixbuf* picture = gdk_pixbuf_new(GDK_COLORSPACE_RGB, TRUE, 8, width, height);
    if (picture != nullptr) gdk_pixbuf_fill(picture, 0);  // all transparent
    return picture;
}

}  // namespace

GdkPixbuf* IconPixbuf(int iconId, int size) {
    if (IconRowsOf(iconId) == nullptr || size <= 0 || size > kLargestIconSize) return nullptr;
    GdkPixbuf* picture = NewPicture(size, size);
    if (picture == nullptr) return nullptr;
    DrawIconRgba(iconId, size, gdk_pixbuf_get_pixels(picture), gdk_pixbuf_get_rowstride(picture));
    return picture;
}

GList* ProgramIconSizes() {
    GList* sizes = nullptr;
    for (int factor = 1; factor <= kLargestIconFactor; ++factor) {
        if (GdkPixbuf* icon = IconPixbuf(IDI_PROGRAM, kIconSize * factor)) sizes = g_list_append(sizes, icon);
    }
    return sizes;
}

GdkCursor* HandCursor(GdkDisplay* display) {
    GdkPixbuf* picture = NewPicture(kIconSize, kIconSize);
    if (picture == nullptr) return nullptr;
    guchar* pixels = gdk_pixbuf_get_pixels(picture);
    const int stride = gdk_pixbuf_get_rowstride(picture);
    for (int y = 0; y < kHandHeight; ++y) {
        for (int x = 0; x < kHandWidth; ++x) {
            const char key = HandCursorInk(x, y);
            if (key == kCursorClear) continue;
            const Rgb colour = key == kCursorBlack ? Rgb{0, 0, 0} : Rgb{255, 255, 255};
            PutPixel(pixels + y * stride + kChannels * x, colour, true);
        }
    }
    GdkCursor* cursor = gdk_cursor_new_from_pixbuf(display, picture, 0, 0);
    g_object_unref(picture);
    return cursor;
}
