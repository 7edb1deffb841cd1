#pragma once
// The profile functions in plain C++, for systems without them. They follow
// what Wine's GetPrivateProfileStringA and WritePrivateProfileStringA do with
// a GBK (code page 936) file:
// - lines end at any run of CR and LF; blanks (tab, LF, VT, FF, CR, space,
//   Ctrl-Z) around lines, names and values do not count;
// - "[name]" opens a section (up to the last ']'); a '[' line without ']'
//   and a line without '=' are keys without a value, which read as absent;
//   lines before the first section belong to the section "";
// - the first section of a name and the first key of a name in it win;
// - a NUL byte ends the name or value it is in;
// - a GBK lead byte without a valid trail byte reads as one '?' in place of
//   both bytes (the code-page round trip);
// - a UTF-8 signature is skipped and kept, and the text after it is read as
//   GBK like any other (Wine would convert it), so what is written reads back
//   the same; a UTF-16 file is read as ANSI, with '?' for every character
//   outside ASCII, and rewritten as ANSI.
// Writing edits the text in place, so comments and unknown lines stay as
// they are; new lines end in CR-LF. The file is then replaced whole
// (atomic_file.h): a save cut short leaves the old file as it was.
#include <cstdint>

// Same contract as ReadProfileText in profile.h.
uint32_t PortableReadProfileText(const char* section, const char* key, const char* defaultText,
                                 char* buffer, uint32_t size, const char* file);

// Same contract as WriteProfileText in profile.h; false also when an
// argument is missing (this version never deletes keys or sections).
bool PortableWriteProfileText(const char* section, const char* key, const char* value, const char* file);
