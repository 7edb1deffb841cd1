#pragma once
// One copy of the game per user session: an exclusive lock on a file in
// $XDG_RUNTIME_DIR (or the temporary folder), held until the process ends,
// so the system releases it even when the process dies.
#include <string>

// runtimeDir: $XDG_RUNTIME_DIR, may be null or relative (then unused).
std::string InstanceLockPath(const char* runtimeDir, unsigned userId);
// True when this process now holds the lock; false when another copy does.
// A lock that cannot be made at all does not stop the game.
bool TakeInstanceLock(const std::string& path);
