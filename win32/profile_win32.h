#pragma once
// The system's profile functions, which trelmo.exe hands to the settings
// (SystemProfileKeys, store/profile_keys.h).
#include "store/profile_keys.h"

extern const ProfileFunctions kWindowsProfile;
