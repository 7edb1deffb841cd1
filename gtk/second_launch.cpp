#include "gtk/second_launch.h"

#include <glib-unix.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "commands/commands.h"
#include "commands/dispatch.h"
#include "commands/input.h"
#include "gtk/program.h"

namespace {

// A startup id is short printable ASCII; anything else is not one.
constexpr size_t kLongestStartupId = 512;

bool SocketAddress(const std::string& path, sockaddr_un& address) {
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

bool PlausibleStartupId(const std::string& id) {
    if (id.empty() || id.size() > kLongestStartupId) return false;
    for (const char c : id)
        if (c <= ' ' || c > '~') return false;
    return true;
}

// The same road as "恢复" in the icon's menu: the icon goes, the window
// comes back where it was, active, and a game paused by the hiding goes on
// as it would after any restore. A window already shown is only raised.
void BringBack(Program& program, const std::string& startupId) {
    if (program.shutDown) return;
    GtkWindow* window = GTK_WINDOW(program.window);
    // Ends the launch feedback of the second launch and lets the window
    // manager grant the focus to the launch's own time.
    if (PlausibleStartupId(startupId)) gtk_window_set_startup_id(window, startupId.c_str());
    if (program.hidden) {
        CarryOutWindowActions(program, RunCommand(program.dispatcher, CommandForMenuId(CmdRestore)));
    } else {
        gtk_window_present(window);
    }
}

struct Knock {
    Program* program;
    std::string startupId;
};

gboolean OnKnockData(int connection, GIOCondition, gpointer data) {
    Knock* knock = static_cast<Knock*>(data);
    char buffer[256];
    const ssize_t got = read(connection, buffer, sizeof buffer);
    if (got < 0 && (errno == EAGAIN || errno == EINTR)) return G_SOURCE_CONTINUE;
    if (got > 0 && knock->startupId.size() <= kLongestStartupId) {
        knock->startupId.append(buffer, static_cast<size_t>(got));
        return G_SOURCE_CONTINUE;
    }
    // The end of the knock (or a broken one): either way the player asked.
    close(connection);
    BringBack(*knock->program, knock->startupId);
    delete knock;
    return G_SOURCE_REMOVE;
}

gboolean OnKnock(int listener, GIOCondition, gpointer data) {
    const int connection = accept4(listener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (connection >= 0)
        g_unix_fd_add(connection, static_cast<GIOCondition>(G_IO_IN | G_IO_HUP | G_IO_ERR), OnKnockData,
                      new Knock{static_cast<Program*>(data), {}});
    return G_SOURCE_CONTINUE;
}

}  // namespace

std::string SecondLaunchSocketPath(const std::string& lockPath) { return lockPath + ".knock"; }

void ListenForSecondLaunch(Program& program, const std::string& socketPath) {
    sockaddr_un address;
    if (!SocketAddress(socketPath, address)) return;
    const int listener = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (listener < 0) return;
    // Whoever holds the lock owns the path: a socket left there by a copy
    // that died is stale.
    unlink(socketPath.c_str());
    // Only this user may knock: the lock may be in the shared /tmp.
    const mode_t otherUmask = umask(0077);
    const bool bound = bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    umask(otherUmask);
    if (!bound || listen(listener, 4) != 0) {
        close(listener);
        return;
    }
    // Open as long as the process runs, as the lock is.
    g_unix_fd_add(listener, G_IO_IN, OnKnock, &program);
}

bool KnockOnFirstCopy(const std::string& socketPath, const char* startupId) {
    sockaddr_un address;
    if (!SocketAddress(socketPath, address)) return false;
    const int knock = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (knock < 0) return false;
    // A first copy too busy to take the knock does not hold up this one.
    const timeval patience = {2, 0};
    setsockopt(knock, SOL_SOCKET, SO_SNDTIMEO, &patience, sizeof patience);
    bool asked = connect(knock, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    if (asked && startupId != nullptr) {
        const size_t length = std::strlen(startupId);
        asked = send(knock, startupId, length, MSG_NOSIGNAL) == static_cast<ssize_t>(length);
    }
    close(knock);
    return asked;
}
