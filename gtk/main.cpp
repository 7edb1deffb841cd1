// trelmo: the game on GTK 3. One copy, one fixed window with seven buttons,
// the information sheet, then the main loop.
#include <gtk/gtk.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include "commands/start_up.h"
#include "game/random.h"
#include "gtk/command_line.h"
#include "gtk/dialogs.h"
#include "gtk/main_window.h"
#include "gtk/program.h"
#include "gtk/second_launch.h"
#include "gtk/settings_file.h"
#include "gtk/single_instance.h"
#include "store/profile.h"

int main(int argc, char** argv) {
    switch (ReadCommandLine(argc, argv)) {
    case Launch::Play: break;
    case Launch::Help: PrintUsage(stdout); return 0;
    case Launch::Version: PrintVersion(stdout); return 0;
    case Launch::Unknown: PrintUsage(stderr); return 2;
    }
    const std::string lockPath = InstanceLockPath(std::getenv("XDG_RUNTIME_DIR"), getuid());
    if (!TakeInstanceLock(lockPath)) {
        KnockOnFirstCopy(SecondLaunchSocketPath(lockPath), std::getenv("DESKTOP_STARTUP_ID"));
        return 0;
    }
    // Placement and the notification icon need X11; under Wayland the
    // program runs on XWayland.
    gdk_set_allowed_backends("x11");
    if (!gtk_init_check(nullptr, nullptr)) {
        PrintNoDisplay(stderr, std::getenv("DISPLAY"));
        return 1;
    }

    static Program program;
    program.game.host = &program.host;
    program.settingsFile = SettingsFilePath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
    SeedRandom(program.game.random, static_cast<uint32_t>(std::time(nullptr)));
    if (!CreateMainWindow(program)) return 0;
    gtk_widget_show_all(program.window);
    ListenForSecondLaunch(program, SecondLaunchSocketPath(lockPath));

    // Without a home the program keeps no file: the defaults, nothing saved.
    ProfileFile settings(program.settingsFile.c_str());
    CarryOutWindowActions(program, StartProgram(program.dispatcher, program.scores,
                                                program.settingsFile.empty() ? nullptr : &settings));
    if (!program.shutDown) gtk_main();
    return 0;
}
