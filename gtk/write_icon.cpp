// trelmo-write-icon FILE.png: icon 102 as a PNG, for the desktop's menus.
#include <cstdio>

#include "gtk/pictures.h"
#include "resources/ids.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: trelmo-write-icon FILE.png\n");
        return 2;
    }
    GdkPixbuf* icon = IconPixbuf(IDI_PROGRAM);
    GError* error = nullptr;
    if (icon == nullptr || !gdk_pixbuf_save(icon, argv[1], "png", &error, nullptr)) {
        std::fprintf(stderr, "trelmo-write-icon: %s\n", error != nullptr ? error->message : "no icon");
        return 1;
    }
    g_object_unref(icon);
    return 0;
}
