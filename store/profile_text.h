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
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "store/profile_keys.h"

class ProfileText {
public:
    // The text of a file that does not exist yet.
    ProfileText() = default;
    // The text of a file holding `bytes`.
    explicit ProfileText(std::string_view bytes);

    // Same contract as ProfileKeys::Read (profile_keys.h).
    uint32_t Read(const char* section, const char* key, const char* defaultText, char* buffer,
                  uint32_t size) const;
    // Same contract as ProfileKeys::Write (profile_keys.h), in memory; false when
    // an argument is missing (keys and sections are never deleted) or
    // memory runs out.
    bool Write(const char* section, const char* key, const char* value);

    // Whether a Write changed the text since it was read.
    bool changed() const { return changed_; }
    // What a file holding this text consists of, in this order.
    std::string_view signature() const { return signature_; }
    std::string_view text() const { return text_; }

    // One line of the text as the functions see it: its content lies
    // between the blanks around it, its line break (a run of CR and LF, so
    // blank lines fold into it) from breakStart to next. Every position but
    // the start counts from the start. Public for the implementation's
    // helpers only.
    struct Line {
        size_t start, contentBegin, contentEnd, breakStart, next;
        bool header;        // "[name]" with its closing bracket
        size_t nameBegin;   // the section's or the key's name, blanks
        size_t nameLength;  // trimmed and cut at a NUL byte
        uint32_t nameHash;  // a quick test of names that cannot be the same
        size_t equals;      // a key's '=', or npos
        size_t valueBegin;  // the value after the blanks, or npos
    };

private:
    // Lines found anew where an edit replaced the bytes from `begin` to
    // `oldEnd` with those up to `newEnd`; the lines after keep their
    // analysis and move.
    void Reindex(size_t begin, size_t oldEnd, size_t newEnd);

    std::string signature_;
    std::string text_;
    // Every line of text_, in order: reads look up names here rather than
    // in the bytes.
    std::vector<Line> lines_;
    std::vector<size_t> headers_;  // the section headers among lines_, in order
    // Kept from one call to the next, as they are needed again at once: the
    // lines Reindex found anew and the bytes a Write puts in.
    std::vector<Line> found_;
    std::string edit_;
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
