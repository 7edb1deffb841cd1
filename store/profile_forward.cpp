// Systems without the Windows profile functions use the portable ones.
#include "store/profile.h"
#include "store/profile_portable.h"

uint32_t ReadProfileText(const char* section, const char* key, const char* defaultText,
                         char* buffer, uint32_t size, const char* file) {
    return PortableReadProfileText(section, key, defaultText, buffer, size, file);
}

bool WriteProfileText(const char* section, const char* key, const char* value, const char* file) {
    return PortableWriteProfileText(section, key, value, file);
}
