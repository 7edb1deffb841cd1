#include "gtk/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

std::string InstanceLockPath(const char* runtimeDir, unsigned userId) {
    if (runtimeDir != nullptr && runtimeDir[0] == '/') return std::string(runtimeDir) + "/trelmo.lock";
    return "/tmp/trelmo-" + std::to_string(userId) + ".lock";
}

bool TakeInstanceLock(const std::string& path) {
    // Left open on purpose: the lock lasts as long as the process.
    const int file = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (file < 0) return true;
    if (flock(file, LOCK_EX | LOCK_NB) == 0) return true;
    const bool heldElsewhere = errno == EWOULDBLOCK;
    close(file);
    return !heldElsewhere;
}
