#include "win32/profile_win32.h"

#include <windows.h>

namespace {

uint32_t ReadKey(const char* section, const char* key, const char* defaultText, char* buffer, uint32_t size,
                 const char* file) {
    return GetPrivateProfileStringA(section, key, defaultText, buffer, size, file);
}

bool WriteKey(const char* section, const char* key, const char* value, const char* file) {
    return WritePrivateProfileStringA(section, key, value, file) != FALSE;
}

}  // namespace

const ProfileFunctions kWindowsProfile = {ReadKey, WriteKey};
