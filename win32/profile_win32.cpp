#include "store/profile.h"

#include <windows.h>

uint32_t ReadProfileText(const char* section, const char* key, const char* defaultText,
                         char* buffer, uint32_t size, const char* file) {
    return GetPrivateProfileStringA(section, key, defaultText, buffer, size, file);
}

bool WriteProfileText(const char* section, const char* key, const char* value, const char* file) {
    return WritePrivateProfileStringA(section, key, value, file) != FALSE;
}

ProfileFile::ProfileFile(const char* file) : file_(file) {}

uint32_t ProfileFile::Read(const char* section, const char* key, const char* defaultText, char* buffer,
                           uint32_t size) {
    return ReadProfileText(section, key, defaultText, buffer, size, file_);
}

bool ProfileFile::Write(const char* section, const char* key, const char* value) {
    const bool written = WriteProfileText(section, key, value, file_);
    failed_ = failed_ || !written;
    return written;
}

bool ProfileFile::Save() { return !failed_; }
