#include "store/profile_text.h"

#include <cstring>
#include <new>

#include "store/gbk.h"

namespace {

constexpr size_t kNone = std::string::npos;
constexpr char kNewLine[] = "\r\n";

// What the profile functions trim: tab to CR, space and the DOS end-of-file
// mark Ctrl-Z.
bool IsProfileBlank(unsigned char c) { return (c >= 0x09 && c <= 0x0d) || c == 0x1a || c == 0x20; }
bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }
bool IsGbkTrailByte(unsigned char c) { return (c >= 0x40 && c <= 0x7e) || (c >= 0x80 && c <= 0xfe); }

// A lead byte takes the byte after it whatever that is; an invalid pair, or
// a lead byte at the very end, becomes one '?', as code page 936 turns it
// into Unicode and back. Trail bytes are never blanks, '=' or line breaks,
// so the mended text can be scanned for those byte by byte.
std::string MendGbk(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (!IsGbkLeadByte(static_cast<unsigned char>(c))) {
            text += c;
            continue;
        }
        if (i + 1 < bytes.size() && IsGbkTrailByte(static_cast<unsigned char>(bytes[i + 1]))) {
            text += c;
            text += bytes[i + 1];
        } else {
            text += '?';
        }
        ++i;
    }
    return text;
}

// UTF-16 after its byte-order mark, narrowed: ASCII stays, the rest is '?'.
std::string NarrowUtf16(std::string_view bytes, bool bigEndian) {
    std::string text;
    text.reserve(bytes.size() / 2);
    for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
        const unsigned first = static_cast<unsigned char>(bytes[i]);
        const unsigned second = static_cast<unsigned char>(bytes[i + 1]);
        const unsigned unit = bigEndian ? (first << 8 | second) : (second << 8 | first);
        text += unit < 0x80 ? static_cast<char>(unit) : '?';
    }
    return text;
}

// One line: its content lies between the blanks around it, its line break
// (a run of CR and LF, so blank lines fold into it) from breakStart to next.
struct Line {
    size_t contentBegin = 0;
    size_t contentEnd = 0;
    size_t breakStart = 0;
    size_t next = 0;
};

bool NextLine(const std::string& text, size_t& pos, Line& line) {
    if (pos >= text.size()) return false;
    size_t end = pos;
    while (end < text.size() && !IsLineBreak(text[end])) ++end;
    line.breakStart = end;
    while (end < text.size() && IsLineBreak(text[end])) ++end;
    line.next = end;
    size_t begin = pos;
    end = line.breakStart;
    while (begin < end && IsProfileBlank(static_cast<unsigned char>(text[begin]))) ++begin;
    while (end > begin && IsProfileBlank(static_cast<unsigned char>(text[end - 1]))) --end;
    line.contentBegin = begin;
    line.contentEnd = end;
    pos = line.next;
    return true;
}

struct Name {
    const char* text;
    size_t length;
};

Name Trimmed(const char* text) {
    while (IsProfileBlank(static_cast<unsigned char>(*text))) ++text;
    size_t length = std::strlen(text);
    while (length > 0 && IsProfileBlank(static_cast<unsigned char>(text[length - 1]))) --length;
    return {text, length};
}

// A stored name or value ends at a NUL byte inside it.
Name Stored(const std::string& text, size_t begin, size_t end) {
    const char* start = text.data() + begin;
    const void* nul = std::memchr(start, '\0', end - begin);
    return {start, nul ? static_cast<size_t>(static_cast<const char*>(nul) - start) : end - begin};
}

char FoldCase(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

size_t CharWidth(const char* text, size_t at, size_t length) {
    const bool pair = IsGbkLeadByte(static_cast<unsigned char>(text[at])) && at + 1 < length;
    return pair ? 2 : 1;
}

// Letter case counts in ASCII only; a double-byte character compares whole,
// so a trail byte is never folded.
bool SameName(Name stored, Name wanted) {
    if (stored.length != wanted.length) return false;
    for (size_t i = 0; i < stored.length;) {
        const size_t width = CharWidth(stored.text, i, stored.length);
        if (width == 2) {
            if (std::memcmp(stored.text + i, wanted.text + i, 2) != 0) return false;
        } else if (FoldCase(stored.text[i]) != FoldCase(wanted.text[i])) {
            return false;
        }
        i += width;
    }
    return true;
}

// The ']' that closes a section header: the last one on the line.
size_t ClosingBracket(const std::string& whole, const Line& line) {
    const char* text = whole.data();
    size_t found = kNone;
    for (size_t i = line.contentBegin; i < line.contentEnd;) {
        const size_t width = CharWidth(text, i, line.contentEnd);
        if (width == 1 && text[i] == ']') found = i;
        i += width;
    }
    return found;
}

// Where a key stands in the text, or where it would go.
struct KeyPlace {
    bool sectionFound = false;
    bool sectionHasLines = false;
    Line lastLine;             // the section's last non-blank line, header included
    bool keyFound = false;
    Line keyLine;
    size_t equals = kNone;     // the key line's '=', kNone when it has none
    size_t valueBegin = kNone;
};

KeyPlace Locate(const std::string& text, Name section, Name key) {
    KeyPlace place;
    // Lines before the first header form the section "".
    bool inSection = section.length == 0;
    place.sectionFound = inSection;
    size_t pos = 0;
    Line line;
    while (NextLine(text, pos, line)) {
        if (line.contentBegin == line.contentEnd) continue;
        if (text[line.contentBegin] == '[') {
            const size_t close = ClosingBracket(text, line);
            if (close != kNone) {
                if (inSection) break;  // only the first section of a name counts
                Line name = line;
                name.contentBegin = line.contentBegin + 1;
                name.contentEnd = close;
                while (name.contentBegin < name.contentEnd &&
                       IsProfileBlank(static_cast<unsigned char>(text[name.contentBegin])))
                    ++name.contentBegin;
                while (name.contentEnd > name.contentBegin &&
                       IsProfileBlank(static_cast<unsigned char>(text[name.contentEnd - 1])))
                    --name.contentEnd;
                if (SameName(Stored(text, name.contentBegin, name.contentEnd), section)) {
                    place.sectionFound = inSection = true;
                    place.sectionHasLines = true;
                    place.lastLine = line;
                }
                continue;
            }
        }
        if (!inSection) continue;
        place.sectionHasLines = true;
        place.lastLine = line;

        const void* equals = std::memchr(text.data() + line.contentBegin, '=', line.contentEnd - line.contentBegin);
        size_t nameEnd = equals ? static_cast<size_t>(static_cast<const char*>(equals) - text.data()) : line.contentEnd;
        const size_t equalsAt = equals ? nameEnd : kNone;
        while (nameEnd > line.contentBegin && IsProfileBlank(static_cast<unsigned char>(text[nameEnd - 1]))) --nameEnd;
        if (!SameName(Stored(text, line.contentBegin, nameEnd), key)) continue;

        place.keyFound = true;
        place.keyLine = line;
        place.equals = equalsAt;
        if (equalsAt != kNone) {
            size_t value = equalsAt + 1;
            while (value < line.contentEnd && IsProfileBlank(static_cast<unsigned char>(text[value]))) ++value;
            place.valueBegin = value;
        }
        break;  // the first key of a name counts
    }
    return place;
}

// Copies a value out as GetPrivateProfileStringA does. One pair of matching
// quotes around it is removed. The Windows function counts characters: it
// keeps at most size - 1 of them and, when the closing quote could have
// fitted, drops the last one kept, so a value that fills the buffer exactly
// loses its last character to the quote. The bytes are then cut to size - 1
// on a character boundary.
uint32_t CopyValue(Name value, char* buffer, uint32_t size) {
    const char* text = value.text;
    size_t length = value.length;
    const bool quoted = length >= 2 && (text[0] == '"' || text[0] == '\'') && text[length - 1] == text[0];
    if (quoted) {
        ++text;
        --length;
    }
    size_t characters = 0;
    for (size_t i = 0; i < length; i += CharWidth(text, i, length)) ++characters;

    size_t keep = characters < size - 1 ? characters : size - 1;
    if (quoted && size >= characters && keep > 0) --keep;

    size_t used = 0;
    for (size_t n = 0; n < keep; ++n) {
        const size_t width = CharWidth(text, used, length);
        if (used + width > size - 1) break;
        used += width;
    }
    std::memcpy(buffer, text, used);
    buffer[used] = '\0';
    return static_cast<uint32_t>(used);
}

// The default loses trailing spaces, though never its first character.
Name DefaultValue(const char* text) {
    if (!text) return {"", 0};
    size_t length = std::strlen(text);
    while (length > 1 && text[length - 1] == ' ') --length;
    return {text, length};
}

const char* SkipBlanks(const char* text) {
    while (IsProfileBlank(static_cast<unsigned char>(*text))) ++text;
    return text;
}

// Inserts a line after the section's last line, right after its first line
// break so that blank lines stay below the new key.
void InsertInSection(std::string& text, const KeyPlace& place, const std::string& entry) {
    if (!place.sectionHasLines) {
        text.insert(0, entry);
        return;
    }
    const Line& last = place.lastLine;
    if (last.breakStart == last.next) {  // the file ends on this line
        text.insert(last.next, kNewLine + entry);
        return;
    }
    const bool crlf = text[last.breakStart] == '\r' && last.breakStart + 1 < last.next && text[last.breakStart + 1] == '\n';
    text.insert(last.breakStart + (crlf ? 2 : 1), entry);
}

}  // namespace

ProfileText::ProfileText(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        // Kept and written back, but the text after it is read as the
        // program's own code page, like any other: what is saved reads back
        // the same.
        signature_ = bytes.substr(0, 3);
        text_ = MendGbk(bytes.substr(3));
    } else if (bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF") {
        text_ = NarrowUtf16(bytes, bytes[0] == '\xFE');
    } else {
        text_ = MendGbk(bytes);
    }
}

uint32_t ProfileText::Read(const char* section, const char* key, const char* defaultText, char* buffer,
                           uint32_t size) const {
    if (!buffer || size == 0) return 0;
    if (section && key) {
        const KeyPlace place = Locate(text_, Trimmed(section), Trimmed(key));
        if (place.keyFound && place.valueBegin != kNone)
            return CopyValue(Stored(text_, place.valueBegin, place.keyLine.contentEnd), buffer, size);
    }
    return CopyValue(DefaultValue(defaultText), buffer, size);
}

bool ProfileText::Write(const char* section, const char* key, const char* value) {
    if (!section || !key || !value) return false;
    section = SkipBlanks(section);
    key = SkipBlanks(key);
    value = SkipBlanks(value);
    const KeyPlace place = Locate(text_, Trimmed(section), Trimmed(key));
    try {
        if (place.keyFound && place.equals != kNone) {
            const size_t from = place.equals + 1;
            const size_t count = place.keyLine.breakStart - from;
            if (text_.compare(from, count, value) == 0) return true;
            text_.replace(from, count, value);
        } else if (place.keyFound) {  // a line holding only the key's name
            const size_t from = place.keyLine.contentEnd;
            text_.replace(from, place.keyLine.breakStart - from, std::string("=") + value);
        } else if (place.sectionFound) {
            InsertInSection(text_, place, std::string(key) + "=" + value + kNewLine);
        } else {
            if (!text_.empty() && !IsLineBreak(text_.back())) text_ += kNewLine;
            text_ += std::string("[") + section + "]" + kNewLine + key + "=" + value + kNewLine;
        }
    } catch (const std::bad_alloc&) {
        return false;
    }
    changed_ = true;
    return true;
}
