#pragma once
// A second launch brings the running copy back: the player who clicks the
// menu entry again is looking for the game, hidden to its icon or
// iconified. The copy that holds the one-copy lock listens on a socket
// beside the lock; a second copy knocks there and ends.
#include <string>

struct Program;

// The socket beside the lock file (gtk/single_instance.h).
std::string SecondLaunchSocketPath(const std::string& lockPath);
// The copy that holds the lock: from now on a knock restores the window,
// raises and focuses it. Quietly nothing when the socket cannot be made.
void ListenForSecondLaunch(Program& program, const std::string& socketPath);
// The second copy: asks the first to come back, handing over the launch's
// startup notification id (may be null) so that the desktop's launch
// feedback ends and the focus goes to the game. True when it was asked.
bool KnockOnFirstCopy(const std::string& socketPath, const char* startupId);
