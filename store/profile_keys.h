#pragma once
// The keys of one profile, wherever it is kept: a file (ProfileFile in
// profile.h) or a text in memory (ProfileTextKeys in profile_text.h). Read
// and Write keep the contracts of ReadProfileText and WriteProfileText.
#include <cstdint>

class ProfileKeys {
public:
    virtual uint32_t Read(const char* section, const char* key, const char* defaultText, char* buffer,
                          uint32_t size) = 0;
    virtual bool Write(const char* section, const char* key, const char* value) = 0;

protected:
    ~ProfileKeys() = default;
};
