#include "store/profile_text.h"

#include <algorithm>
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
// Eight bytes at a time while they are all ASCII, which no lead byte is.
size_t SkipAscii(std::string_view bytes, size_t i) {
    constexpr uint64_t kHighBits = 0x8080808080808080u;
    for (uint64_t eight; i + 8 <= bytes.size(); i += 8) {
        std::memcpy(&eight, bytes.data() + i, 8);
        if ((eight & kHighBits) != 0) break;
    }
    return i;
}

std::string MendGbk(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size(); ++i) {
        const size_t ascii = SkipAscii(bytes, i);
        if (ascii > i) {
            text.append(bytes.data() + i, ascii - i);
            i = ascii;
            if (i == bytes.size()) break;
        }
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

// What names that SameName finds the same share: the length and the first
// and last bytes with their case folded (a byte of a double-byte character
// is equal in both, so folding it does no harm). Most names that differ,
// such as Player0 and Player9, differ here, which takes no loop.
uint32_t NameHash(Name name) {
    if (name.length == 0) return 0;
    const auto folded = [](char c) { return static_cast<uint32_t>(static_cast<unsigned char>(FoldCase(c))); };
    return static_cast<uint32_t>(name.length) << 16 ^ folded(name.text[0]) << 8 ^ folded(name.text[name.length - 1]);
}

using Line = ProfileText::Line;

// Line keeps its positions from its start, so that an edit before it moves
// only the start; Placed takes them back into the text.
Line Placed(const Line& line) {
    Line placed = line;
    for (size_t* at : {&placed.contentBegin, &placed.contentEnd, &placed.breakStart, &placed.next, &placed.nameBegin})
        *at += line.start;
    if (placed.equals != kNone) placed.equals += line.start;
    if (placed.valueBegin != kNone) placed.valueBegin += line.start;
    return placed;
}

Line FromStart(const Line& placed) {
    Line line = placed;
    for (size_t* at : {&line.contentBegin, &line.contentEnd, &line.breakStart, &line.next, &line.nameBegin})
        *at -= placed.start;
    if (line.equals != kNone) line.equals -= placed.start;
    if (line.valueBegin != kNone) line.valueBegin -= placed.start;
    return line;
}

Name NameOf(const std::string& text, const Line& line) {
    return {text.data() + line.start + line.nameBegin, line.nameLength};
}

// The next CR or LF at or after a position. Each is found with memchr and
// kept until passed, so that the lines are cut in one pass over the text.
class LineBreaks {
public:
    explicit LineBreaks(const std::string& text) : text_(text) {}
    size_t NextFrom(size_t pos) {
        if (cr_ < pos || cr_ == kNone) cr_ = Find('\r', pos);
        if (lf_ < pos || lf_ == kNone) lf_ = Find('\n', pos);
        return cr_ < lf_ ? cr_ : lf_;
    }

private:
    size_t Find(char c, size_t pos) const {
        const void* at = std::memchr(text_.data() + pos, c, text_.size() - pos);
        return at ? static_cast<size_t>(static_cast<const char*>(at) - text_.data()) : text_.size();
    }
    const std::string& text_;
    size_t cr_ = kNone, lf_ = kNone;
};

// The ']' that closes a section header: the last one on the line.
size_t ClosingBracket(const std::string& whole, size_t begin, size_t end) {
    const char* text = whole.data();
    size_t found = kNone;
    for (size_t i = begin; i < end;) {
        const size_t width = CharWidth(text, i, end);
        if (width == 1 && text[i] == ']') found = i;
        i += width;
    }
    return found;
}

size_t TrimStart(const std::string& text, size_t begin, size_t end) {
    while (begin < end && IsProfileBlank(static_cast<unsigned char>(text[begin]))) ++begin;
    return begin;
}

size_t TrimEnd(const std::string& text, size_t begin, size_t end) {
    while (end > begin && IsProfileBlank(static_cast<unsigned char>(text[end - 1]))) --end;
    return end;
}

// The line that starts at `pos` (< text.size()), with its name and value.
Line ReadPlacedLine(const std::string& text, size_t pos, LineBreaks& breaks) {
    Line line{};
    line.start = pos;
    line.breakStart = breaks.NextFrom(pos);
    size_t next = line.breakStart;
    while (next < text.size() && IsLineBreak(text[next])) ++next;
    line.next = next;
    line.contentBegin = TrimStart(text, pos, line.breakStart);
    line.contentEnd = TrimEnd(text, line.contentBegin, line.breakStart);
    line.equals = line.valueBegin = kNone;
    const size_t begin = line.contentBegin, end = line.contentEnd;
    if (begin == end) return line;

    if (text[begin] == '[') {
        const size_t close = ClosingBracket(text, begin, end);
        if (close != kNone) {
            line.header = true;
            line.nameBegin = TrimStart(text, begin + 1, close);
            line.nameLength = Stored(text, line.nameBegin, TrimEnd(text, line.nameBegin, close)).length;
            line.nameHash = NameHash({text.data() + line.nameBegin, line.nameLength});
            return line;
        }
    }
    const void* equals = std::memchr(text.data() + begin, '=', end - begin);
    const size_t nameEnd = equals ? static_cast<size_t>(static_cast<const char*>(equals) - text.data()) : end;
    if (equals) {
        line.equals = nameEnd;
        line.valueBegin = TrimStart(text, nameEnd + 1, end);
    }
    line.nameBegin = begin;
    line.nameLength = Stored(text, begin, TrimEnd(text, begin, nameEnd)).length;
    line.nameHash = NameHash({text.data() + line.nameBegin, line.nameLength});
    return line;
}

Line ReadLine(const std::string& text, size_t pos, LineBreaks& breaks) {
    return FromStart(ReadPlacedLine(text, pos, breaks));
}

// Where a key stands in the text, or where it would go, as line numbers.
struct KeyPlace {
    bool sectionFound = false;
    size_t lastLine = kNone;  // the section's last non-blank line, header included
    size_t keyLine = kNone;
};

// Only the section's own lines are searched for the key: the headers lead
// to it.
KeyPlace Locate(const std::string& text, const std::vector<Line>& lines, const std::vector<size_t>& headers,
                Name section, Name key) {
    KeyPlace place;
    const uint32_t sectionHash = NameHash(section), keyHash = NameHash(key);
    size_t begin = 0;
    size_t end = headers.empty() ? lines.size() : headers[0];
    // Lines before the first header form the section "", and only the
    // first section of a name counts.
    if (section.length == 0) {
        place.sectionFound = true;
    } else {
        for (size_t h = 0; h < headers.size() && !place.sectionFound; ++h) {
            const Line& header = lines[headers[h]];
            if (header.nameHash != sectionHash || !SameName(NameOf(text, header), section)) continue;
            place.sectionFound = true;
            place.lastLine = headers[h];
            begin = headers[h] + 1;
            end = h + 1 < headers.size() ? headers[h + 1] : lines.size();
        }
        if (!place.sectionFound) return place;
    }
    for (size_t i = begin; i < end; ++i) {
        const Line& line = lines[i];
        if (line.contentBegin == line.contentEnd) continue;
        place.lastLine = i;
        if (line.nameHash == keyHash && SameName(NameOf(text, line), key)) {
            place.keyLine = i;  // the first key of a name counts
            break;
        }
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
    // Counted only as far as the rules below can tell: past `size`, more
    // characters change nothing.
    size_t characters = 0;
    for (size_t i = 0; i < length && characters <= size; i += CharWidth(text, i, length)) ++characters;

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

// Where a new key's line goes: after the section's last line, right after
// its first line break so that blank lines stay below the new key. Sets
// `breakFirst` when that line ends the text without a break.
size_t InsertionPoint(const std::string& text, const std::vector<Line>& lines, const KeyPlace& place,
                      bool& breakFirst) {
    breakFirst = false;
    if (place.lastLine == kNone) return 0;
    const Line last = Placed(lines[place.lastLine]);
    if (last.breakStart == last.next) {  // the file ends on this line
        breakFirst = true;
        return last.next;
    }
    const bool crlf =
        text[last.breakStart] == '\r' && last.breakStart + 1 < last.next && text[last.breakStart + 1] == '\n';
    return last.breakStart + (crlf ? 2 : 1);
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
    // Room for a settings file's lines and sections, so that a small file
    // is indexed in one allocation each.
    lines_.reserve(text_.size() / 16 + 24);
    headers_.reserve(8);
    LineBreaks breaks(text_);
    for (size_t pos = 0; pos < text_.size(); pos = lines_.back().start + lines_.back().next) {
        lines_.push_back(ReadLine(text_, pos, breaks));
        if (lines_.back().header) headers_.push_back(lines_.size() - 1);
    }
}

void ProfileText::Reindex(size_t begin, size_t oldEnd, size_t newEnd) {
    const size_t delta = newEnd - oldEnd;  // modulo arithmetic: may stand for a negative shift
    // The first line the edit can change: the one it falls in, or the one
    // before it, whose line break it may lengthen.
    const size_t first = static_cast<size_t>(
        std::lower_bound(lines_.begin(), lines_.end(), begin, [](const Line& line, size_t at) { return line.start + line.next < at; }) -
        lines_.begin());
    // Lines after the edit are found again as they were, only moved: the
    // search stops at the first of them it reaches.
    size_t rest = first;
    std::vector<Line>& found = found_;
    found.clear();
    if (lines_.capacity() == 0) lines_.reserve(24);  // a new file: room for the settings
    LineBreaks breaks(text_);
    size_t pos = first < lines_.size() ? lines_[first].start : 0;
    while (pos < text_.size()) {
        if (pos >= newEnd) {
            while (rest < lines_.size() && (lines_[rest].start < oldEnd || lines_[rest].start + delta < pos)) ++rest;
            if (rest < lines_.size() && lines_[rest].start + delta == pos) break;
        }
        found.push_back(ReadLine(text_, pos, breaks));
        pos = found.back().start + found.back().next;
    }
    if (pos >= text_.size()) rest = lines_.size();
    for (size_t i = rest; i < lines_.size(); ++i) lines_[i].start += delta;
    const auto at = lines_.begin() + static_cast<std::ptrdiff_t>(first);
    if (found.size() == rest - first) {  // a value replaced: the lines keep their places
        std::copy(found.begin(), found.end(), at);
    } else {
        lines_.insert(lines_.erase(at, lines_.begin() + static_cast<std::ptrdiff_t>(rest)), found.begin(), found.end());
    }

    // The headers follow: those of the lines found replace those of the
    // lines they replaced, and the later ones move by the difference.
    auto low = std::lower_bound(headers_.begin(), headers_.end(), first);
    low = headers_.erase(low, std::lower_bound(low, headers_.end(), rest));
    const size_t moved = found.size() - (rest - first);  // modulo arithmetic again
    for (auto later = low; later != headers_.end(); ++later) *later += moved;
    for (size_t i = found.size(); i-- > 0;)
        if (found[i].header) low = headers_.insert(low, first + i);
}

uint32_t ProfileText::Read(const char* section, const char* key, const char* defaultText, char* buffer,
                           uint32_t size) const {
    if (!buffer || size == 0) return 0;
    if (section && key) {
        const KeyPlace place = Locate(text_, lines_, headers_, Trimmed(section), Trimmed(key));
        if (place.keyLine != kNone && lines_[place.keyLine].valueBegin != kNone) {
            const Line line = Placed(lines_[place.keyLine]);
            return CopyValue(Stored(text_, line.valueBegin, line.contentEnd), buffer, size);
        }
    }
    return CopyValue(DefaultValue(defaultText), buffer, size);
}

bool ProfileText::Write(const char* section, const char* key, const char* value) {
    if (!section || !key || !value) return false;
    section = SkipBlanks(section);
    key = SkipBlanks(key);
    value = SkipBlanks(value);
    const KeyPlace place = Locate(text_, lines_, headers_, Trimmed(section), Trimmed(key));
    try {
        size_t from, count;
        std::string& bytes = edit_;
        bytes.clear();
        if (place.keyLine != kNone && lines_[place.keyLine].equals != kNone) {
            const Line line = Placed(lines_[place.keyLine]);
            from = line.equals + 1;
            count = line.breakStart - from;
            if (text_.compare(from, count, value) == 0) return true;
            bytes += value;
        } else if (place.keyLine != kNone) {  // a line holding only the key's name
            const Line line = Placed(lines_[place.keyLine]);
            from = line.contentEnd;
            count = line.breakStart - from;
            bytes.append("=").append(value);
        } else if (place.sectionFound) {
            bool breakFirst;
            from = InsertionPoint(text_, lines_, place, breakFirst);
            count = 0;
            bytes.append(breakFirst ? kNewLine : "").append(key).append("=").append(value).append(kNewLine);
        } else {
            from = text_.size();
            count = 0;
            if (!text_.empty() && !IsLineBreak(text_.back())) bytes += kNewLine;
            bytes.append("[").append(section).append("]").append(kNewLine);
            bytes.append(key).append("=").append(value).append(kNewLine);
        }
        // A save writes key after key: room for more than this one.
        if (text_.capacity() < text_.size() + bytes.size()) text_.reserve(2 * (text_.size() + bytes.size()) + 256);
        text_.replace(from, count, bytes);
        Reindex(from, from + count, from + bytes.size());
    } catch (const std::bad_alloc&) {
        return false;
    }
    changed_ = true;
    return true;
}
