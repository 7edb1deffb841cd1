#include "store/profile_keys.h"

uint32_t SystemProfileKeys::Read(const char* section, const char* key, const char* defaultText, char* buffer,
                                 uint32_t size) {
    return functions_.read(section, key, defaultText, buffer, size, file_);
}

bool SystemProfileKeys::Write(const char* section, const char* key, const char* value) {
    return functions_.write(section, key, value, file_);
}
