#include "gtk/command_line.h"

#include <cstring>

Launch ReadCommandLine(int argc, char** argv) {
    if (argc < 2) return Launch::Play;
    if (argc > 2) return Launch::Unknown;
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) return Launch::Help;
    if (std::strcmp(argv[1], "--version") == 0) return Launch::Version;
    return Launch::Unknown;
}

void PrintUsage(std::FILE* out) {
    std::fputs("Usage: trelmo [--help | --version]\n"
               "Trelmo, the falling-piece puzzle game, in a window on an X11 display\n"
               "(XWayland under Wayland).\n"
               "\n"
               "  -h, --help  print this help and exit\n"
               "  --version   print the version and exit\n",
               out);
}

void PrintVersion(std::FILE* out) { std::fputs("trelmo " TRELMO_VERSION "\n", out); }

void PrintNoDisplay(std::FILE* out, const char* display) {
    if (display == nullptr || *display == '\0')
        std::fputs("trelmo: needs an X11 display (XWayland under Wayland), and DISPLAY is not set\n", out);
    else
        std::fprintf(out, "trelmo: needs an X11 display (XWayland under Wayland), and cannot open DISPLAY=%s\n", display);
}
