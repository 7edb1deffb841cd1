#pragma once
// A profile file of our own, for systems without profile functions of
// their own (a system that has them hands them in: SystemProfileKeys in
// profile_keys.h). A file named without a directory is in the working
// directory.
#include <cstdint>

#include "store/profile_keys.h"
#include "store/profile_text.h"

// One profile file, for a series of reads or of writes. The file is read
// once when this is made, and the writes reach it together, in one
// replacement of the whole file, at Save: a series of writes cut short
// leaves the file as it was before all of them.
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
    ProfileText text_;
};
