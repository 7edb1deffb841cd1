#include "replay/script.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr int kMaxWords = 4;

// A line split into blank-separated words, comment removed; `rest` is what
// follows the first word, blanks around it dropped.
struct Words {
    char* words[kMaxWords];
    int count;
    char* rest;
    bool tooMany;
};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

void TrimRight(char* text) {
    size_t n = std::strlen(text);
    while (n > 0 && IsBlank(text[n - 1])) text[--n] = '\0';
}

char* SkipBlanks(char* text) {
    while (IsBlank(*text)) ++text;
    return text;
}

Words Split(char* text, char* restCopy) {
    if (char* hash = std::strchr(text, '#')) *hash = '\0';
    TrimRight(text);
    Words line{};
    char* cursor = SkipBlanks(text);
    if (*cursor == '\0') return line;
    char* afterFirst = cursor;
    while (*afterFirst != '\0' && !IsBlank(*afterFirst)) ++afterFirst;
    const char* rest = SkipBlanks(afterFirst);
    std::memcpy(restCopy, rest, std::strlen(rest) + 1);
    line.rest = restCopy;
    while (*cursor != '\0') {
        if (line.count == kMaxWords) {
            line.tooMany = true;
            break;
        }
        line.words[line.count++] = cursor;
        while (*cursor != '\0' && !IsBlank(*cursor)) ++cursor;
        if (*cursor != '\0') *cursor++ = '\0';
        cursor = SkipBlanks(cursor);
    }
    return line;
}

// Digits only, at most `max`.
bool ParseUnsigned(const char* text, unsigned long long max, unsigned long long& value) {
    value = 0;
    if (*text == '\0') return false;
    for (; *text != '\0'; ++text) {
        if (*text < '0' || *text > '9') return false;
        value = value * 10 + static_cast<unsigned long long>(*text - '0');
        if (value > max) return false;
    }
    return true;
}

// How a verb's words after the first are read.
enum class Arguments : uint8_t { None, Count, Number, Option, Ctrl, YesNo, OnOff, Path, Text };

struct VerbName {
    const char* word;
    Verb verb;
    Arguments arguments;
};

constexpr VerbName kVerbs[] = {
    {"seed", Verb::Seed, Arguments::Number},       {"set", Verb::Set, Arguments::Option},
    {"new", Verb::New, Arguments::None},           {"tick", Verb::Tick, Arguments::Count},
    {"left", Verb::Left, Arguments::None},         {"right", Verb::Right, Arguments::None},
    {"rotate", Verb::Rotate, Arguments::None},     {"down", Verb::Down, Arguments::Ctrl},
    {"release", Verb::Release, Arguments::None},   {"pause", Verb::Pause, Arguments::None},
    {"deactivate", Verb::Deactivate, Arguments::None}, {"activate", Verb::Activate, Arguments::None},
    {"speedup", Verb::SpeedUp, Arguments::None},   {"speeddown", Verb::SpeedDown, Arguments::None},
    {"rowsup", Verb::RowsUp, Arguments::None},     {"rowsdown", Verb::RowsDown, Arguments::None},
    {"maxspeed", Verb::MaxSpeed, Arguments::None}, {"maxrows", Verb::MaxRows, Arguments::None},
    {"answer", Verb::Answer, Arguments::YesNo},    {"name", Verb::Name, Arguments::Text},
    {"clear", Verb::Clear, Arguments::None},       {"dump", Verb::Dump, Arguments::None},
    {"scores", Verb::Scores, Arguments::None},     {"layout", Verb::Layout, Arguments::None},
    {"trace", Verb::Trace, Arguments::OnOff},      {"render", Verb::Render, Arguments::Path},
    {"load", Verb::Load, Arguments::Path},         {"save", Verb::Save, Arguments::Path},
};

const VerbName* FindVerb(const char* word) {
    for (const VerbName& name : kVerbs)
        if (std::strcmp(word, name.word) == 0) return &name;
    return nullptr;
}

// A word that is one of two; `number` 1 for the first.
bool ReadChoice(const Words& words, const char* one, const char* zero, uint32_t& number) {
    if (words.count != 2) return false;
    if (std::strcmp(words.words[1], one) == 0) number = 1;
    else if (std::strcmp(words.words[1], zero) == 0) number = 0;
    else return false;
    return true;
}

// The words after the verb, read as `name` says; false with *problem set
// when they do not fit.
bool ReadArguments(const VerbName& name, const Words& words, ScriptLine& line, const char** problem) {
    const int args = words.count - 1;
    unsigned long long value = 1;
    switch (name.arguments) {
    case Arguments::None:
        *problem = "takes no argument";
        return args == 0;
    case Arguments::Count:
        *problem = "tick takes a count from 0 to 1000000000";
        if (args > 1 || (args == 1 && !ParseUnsigned(words.words[1], 1000000000ull, value))) return false;
        line.number = static_cast<uint32_t>(value);
        return true;
    case Arguments::Number:
        *problem = "seed takes a number from 0 to 4294967295";
        if (args != 1 || !ParseUnsigned(words.words[1], 4294967295ull, value)) return false;
        line.number = static_cast<uint32_t>(value);
        return true;
    case Arguments::Option: {
        *problem = "set takes an option key and 0 or 1";
        line.option = args == 2 ? FindOptionKey(words.words[1]) : nullptr;
        const char* flag = args == 2 ? words.words[2] : "";
        if (line.option == nullptr || (std::strcmp(flag, "0") != 0 && std::strcmp(flag, "1") != 0)) return false;
        line.number = static_cast<uint32_t>(flag[0] - '0');
        return true;
    }
    case Arguments::Ctrl:
        *problem = "down takes nothing or ctrl";
        if (args > 1 || (args == 1 && std::strcmp(words.words[1], "ctrl") != 0)) return false;
        line.number = args == 1 ? 1 : 0;
        return true;
    case Arguments::YesNo:
        *problem = "answer takes yes or no";
        return ReadChoice(words, "yes", "no", line.number);
    case Arguments::OnOff:
        *problem = "trace takes on or off";
        return ReadChoice(words, "on", "off", line.number);
    case Arguments::Path:
        *problem = name.verb == Verb::Render ? "render takes a path" : name.verb == Verb::Load ? "load takes a path" : "save takes a path";
        line.text = words.rest;
        return *words.rest != '\0';
    case Arguments::Text:
        line.text = words.rest;
        return true;
    }
    return false;
}

}  // namespace

LineRead ReadScriptLine(char* text, ScriptLine& line, const char** problem) {
    static char rest[kMaxLine + 2];
    *problem = nullptr;
    line = ScriptLine{};
    const Words words = Split(text, rest);
    if (words.count == 0) return LineRead::Blank;
    const VerbName* name = FindVerb(words.words[0]);
    const bool takesRest = name != nullptr && (name->arguments == Arguments::Path || name->arguments == Arguments::Text);
    if (words.tooMany && !takesRest) {
        *problem = "too many words";
        return LineRead::Bad;
    }
    if (name == nullptr) {
        *problem = "unknown command";
        return LineRead::Bad;
    }
    line.verb = name->verb;
    if (!ReadArguments(*name, words, line, problem)) return LineRead::Bad;
    *problem = nullptr;
    return LineRead::Step;
}

bool NextScriptLine(const char* script, int length, int& at, char (&line)[kMaxLine + 2], bool& tooLong) {
    if (at >= length) return false;
    const char* start = script + at;
    const void* newline = std::memchr(start, '\n', static_cast<size_t>(length - at));
    const int size = newline != nullptr ? static_cast<int>(static_cast<const char*>(newline) - start) : length - at;
    at += size + 1;
    tooLong = size > kMaxLine;
    const int kept = tooLong ? kMaxLine : size;
    std::memcpy(line, start, static_cast<size_t>(kept));
    line[kept] = '\0';
    return true;
}

bool IsFileVerb(Verb verb) { return verb == Verb::Render || verb == Verb::Load || verb == Verb::Save; }

bool IsGameVerb(Verb verb) { return verb <= Verb::MaxRows; }

int WriteScriptLine(const ScriptLine& line, char* out, int capacity) {
    const char* word = nullptr;
    for (const VerbName& name : kVerbs)
        if (name.verb == line.verb) word = name.word;
    if (word == nullptr || !IsGameVerb(line.verb)) return 0;
    int length;
    switch (line.verb) {
    case Verb::Seed: length = std::snprintf(out, capacity, "seed %u\n", line.number); break;
    case Verb::Set: length = std::snprintf(out, capacity, "set %s %u\n", line.option->key, line.number); break;
    case Verb::Tick:
        length = line.number == 1 ? std::snprintf(out, capacity, "tick\n") : std::snprintf(out, capacity, "tick %u\n", line.number);
        break;
    case Verb::Down: length = std::snprintf(out, capacity, line.number != 0 ? "down ctrl\n" : "down\n"); break;
    default: length = std::snprintf(out, capacity, "%s\n", word); break;
    }
    return length > 0 && length < capacity ? length : 0;
}
