#include "store/profile_portable.h"

#include <cerrno>
#include <cstdio>
#include <new>
#include <string>

#include "store/atomic_file.h"

bool LoadProfileFile(const char* path, ProfileText& text) {
    text = ProfileText();
    std::FILE* file = std::fopen(path, "rb");
    if (!file) return errno == ENOENT;
    bool failed = false;
    try {
        std::string bytes;
        char chunk[1 << 16];
        size_t got;
        while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.append(chunk, got);
        failed = std::ferror(file) != 0;  // a folder opens, but does not read
        if (!failed) text = ProfileText(bytes);
    } catch (const std::bad_alloc&) {
        // A file too big to hold reads as absent.
        text = ProfileText();
    }
    std::fclose(file);
    return !failed;
}

bool SaveProfileFile(const char* path, const ProfileText& text) {
    return ReplaceFileAtomically(path, {text.signature(), text.text()});
}

uint32_t PortableReadProfileText(const char* section, const char* key, const char* defaultText,
                                 char* buffer, uint32_t size, const char* file) {
    ProfileText text;
    if (file) LoadProfileFile(file, text);
    return text.Read(section, key, defaultText, buffer, size);
}

bool PortableWriteProfileText(const char* section, const char* key, const char* value, const char* file) {
    if (!section || !key || !value || !file) return false;
    ProfileText text;
    if (!LoadProfileFile(file, text)) return false;  // never overwrite what could not be read
    if (!text.Write(section, key, value)) return false;
    return !text.changed() || SaveProfileFile(file, text);
}
