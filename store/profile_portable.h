#pragma once
// The profile functions in plain C++, for systems without them: a settings
// file read whole into a ProfileText (profile_text.h), which does the
// reading and editing, and replaced whole after an edit (atomic_file.h), so
// that a save cut short leaves the old file as it was.
#include <cstdint>

#include "store/profile_text.h"

// Reads the file at `path` into `text`; an absent file is an empty text, as
// is one too big to hold. False, with `text` left empty, when the file is
// there but cannot be read: it must not be overwritten then.
bool LoadProfileFile(const char* path, ProfileText& text);

// Replaces the file at `path` with `text` (atomic_file.h). A symbolic link
// stays one: the file it leads to is replaced.
bool SaveProfileFile(const char* path, const ProfileText& text);

// Same contract as ProfileKeys::Read (profile_keys.h), for the file at `file`.
uint32_t PortableReadProfileText(const char* section, const char* key, const char* defaultText,
                                 char* buffer, uint32_t size, const char* file);

// Same contract as ProfileKeys::Write (profile_keys.h), for the file at
// `file`; false also when an
// argument is missing (this version never deletes keys or sections).
bool PortableWriteProfileText(const char* section, const char* key, const char* value, const char* file);
