#pragma once
// Profile-file access: one key of one section of an INI-style text file.
// On Windows these are GetPrivateProfileStringA and WritePrivateProfileStringA
// themselves; elsewhere the plain C++ versions of profile_portable.h.
// A file named without a directory lands in the Windows directory on
// Windows and in the working directory elsewhere.
#include <cstdint>

#include "store/profile_keys.h"
#ifndef _WIN32
#include "store/profile_text.h"
#endif

// Called by LoadSettings. Copies the value of `key` in `section` into
// `buffer` (size bytes with the terminator), or `defaultText` when the file,
// the section or the key is absent. Matching ignores letter case and blanks
// around names; one pair of quotes around a value is removed; a value too
// long is cut to size - 1 bytes without splitting a double-byte character.
// The buffer is always terminated when size > 0. Returns the bytes copied
// (Windows reports size - 1 when it left a half character out, and may leave
// that last byte of the buffer as it was: callers zero their buffers).
uint32_t ReadProfileText(const char* section, const char* key, const char* defaultText,
                         char* buffer, uint32_t size, const char* file);

// Called by SaveSettings. Sets `key` in `section` to `value`: an existing
// key is replaced in place, a missing key is appended to the end of its
// section, a missing section to the end of the file, a missing file is
// created. Everything else in the file stays. Returns false when the file
// could not be written.
bool WriteProfileText(const char* section, const char* key, const char* value, const char* file);

// One profile file, for a series of reads or of writes. On Windows each call
// is the system's function on the file at once, as the system caches it.
// Elsewhere the file is read once when this is made, and the writes reach
// it together, in one replacement of the whole file, at Save: a series of
// writes cut short leaves the file as it was before all of them.
class ProfileFile final : public ProfileKeys {
public:
    explicit ProfileFile(const char* file);
    uint32_t Read(const char* section, const char* key, const char* defaultText, char* buffer,
                  uint32_t size) override;
    bool Write(const char* section, const char* key, const char* value) override;
    // True when every write so far has reached the file.
    bool Save();

private:
    const char* file_;
    bool failed_ = false;  // a write failed, or the file could not be read
#ifndef _WIN32
    ProfileText text_;
#endif
};
