#pragma once
// A settings file's text in memory, read and edited key by key the way
// Wine's GetPrivateProfileStringA and WritePrivateProfileStringA treat a
// GBK (code page 936) file:
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
// they are; new lines end in CR-LF.
#include <cstdint>
#include <string>
#include <string_view>

#include "store/profile_keys.h"

class ProfileText {
public:
    // The text of a file that does not exist yet.
    ProfileText() = default;
    // The text of a file holding `bytes`.
    explicit ProfileText(std::string_view bytes);

    // Same contract as ReadProfileText in profile.h.
    uint32_t Read(const char* section, const char* key, const char* defaultText, char* buffer,
                  uint32_t size) const;
    // Same contract as WriteProfileText in profile.h, in memory; false when
    // an argument is missing (keys and sections are never deleted) or
    // memory runs out.
    bool Write(const char* section, const char* key, const char* value);

    // Whether a Write changed the text since it was read.
    bool changed() const { return changed_; }
    // What a file holding this text consists of, in this order.
    std::string_view signature() const { return signature_; }
    std::string_view text() const { return text_; }

private:
    std::string signature_;
    std::string text_;
    bool changed_ = false;
};

// A text's keys for code that takes any profile (settings.h).
class ProfileTextKeys final : public ProfileKeys {
public:
    explicit ProfileTextKeys(ProfileText& text) : text_(text) {}
    uint32_t Read(const char* section, const char* key, const char* defaultText, char* buffer,
                  uint32_t size) override {
        return text_.Read(section, key, defaultText, buffer, size);
    }
    bool Write(const char* section, const char* key, const char* value) override {
        return text_.Write(section, key, value);
    }

private:
    ProfileText& text_;
};
