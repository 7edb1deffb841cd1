#include "store/profile.h"

#include <windows.h>

uint32_t ReadProfileText(const char* section, const char* key, const char* defaultText,
                         char* buffer, uint32_t size, const char* file) {
    return GetPrivateProfileStringA(section, key, defaultText, buffer, size, file);
}

bool WriteProfileText(const char* section, const char* key, const char* value, const char* file) {
    return WritePrivateProfileStringA(section, key, value, file) != FALSE;
}
