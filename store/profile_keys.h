#pragma once
// The keys of one profile, wherever it is kept: a file of our own
// (ProfileFile in profile.h), a file of the system's (SystemProfileKeys
// below) or a text in memory (ProfileTextKeys in profile_text.h).
#include <cstdint>

class ProfileKeys {
public:
    // Called by LoadSettings. Copies the value of `key` in `section` into
    // `buffer` (size bytes with the terminator), or `defaultText` when the
    // file, the section or the key is absent. Matching ignores letter case
    // and blanks around names; one pair of quotes around a value is removed;
    // a value too long is cut to size - 1 bytes without splitting a
    // double-byte character. The buffer is always terminated when size > 0.
    // Returns the bytes copied (Windows reports size - 1 when it left a half
    // character out, and may leave that last byte of the buffer as it was:
    // callers zero their buffers).
    virtual uint32_t Read(const char* section, const char* key, const char* defaultText, char* buffer,
                          uint32_t size) = 0;
    // Called by SaveSettings. Sets `key` in `section` to `value`: an existing
    // key is replaced in place, a missing key is appended to the end of its
    // section, a missing section to the end of the file, a missing file is
    // created. Everything else in the file stays. Returns false when the
    // file could not be written.
    virtual bool Write(const char* section, const char* key, const char* value) = 0;

protected:
    ~ProfileKeys() = default;
};

// A system's own profile functions, handed in by the front end that has
// them (Windows: GetPrivateProfileStringA and WritePrivateProfileStringA),
// each with the contract above for the named file. A file named without a
// directory is the system's to place: Windows puts it in its own directory.
struct ProfileFunctions {
    uint32_t (*read)(const char* section, const char* key, const char* defaultText, char* buffer, uint32_t size,
                     const char* file);
    bool (*write)(const char* section, const char* key, const char* value, const char* file);
};

// One file through the system's functions: each call reaches the system at
// once, as the system keeps the file itself.
class SystemProfileKeys final : public ProfileKeys {
public:
    SystemProfileKeys(const ProfileFunctions& functions, const char* file) : functions_(functions), file_(file) {}
    uint32_t Read(const char* section, const char* key, const char* defaultText, char* buffer,
                  uint32_t size) override;
    bool Write(const char* section, const char* key, const char* value) override;

private:
    const ProfileFunctions& functions_;
    const char* file_;
};
