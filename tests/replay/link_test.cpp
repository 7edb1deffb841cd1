// The replay link's codec: scripts survive the trip through a link, the
// codes are DEFLATE any inflater reads, the decoder reads any deflater's
// output, and damaged links are refused without harm.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "replay/link.h"

namespace {

constexpr char kBase64Url[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";

std::string ReadScript(const char* name) {
    std::ifstream in(std::string(TRELMO_SIM_SCRIPTS) + "/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    EXPECT_FALSE(text.str().empty()) << name;
    return text.str();
}

std::string Encode(const std::string& script) {
    std::string code(script.size() * 2 + 64, '?');
    const int length = EncodeReplayCode(script.data(), static_cast<int>(script.size()), &code[0],
                                        static_cast<int>(code.size()));
    EXPECT_GE(length, 0);
    code.resize(length < 0 ? 0 : length);
    return code;
}

struct Decoded {
    LinkProblem problem;
    std::string script;
};

Decoded Decode(const std::string& text, int capacity = 1 << 20) {
    std::vector<char> script(capacity, '?');
    const DecodedLink link = DecodeReplayLink(text.data(), static_cast<int>(text.size()), script.data(), capacity);
    if (link.problem != LinkProblem::None) return {link.problem, ""};
    EXPECT_EQ(script[link.length], '\0');
    return {link.problem, std::string(script.data(), link.length)};
}

std::string Base64Url(const std::string& bytes) {
    std::string code;
    for (size_t i = 0; i < bytes.size(); i += 3) {
        uint32_t group = 0;
        const size_t n = std::min<size_t>(3, bytes.size() - i);
        for (size_t j = 0; j < 3; ++j) group = group << 8 | (j < n ? static_cast<uint8_t>(bytes[i + j]) : 0);
        for (size_t j = 0; j <= n; ++j) code += kBase64Url[(group >> (18 - 6 * j)) & 63];
    }
    return code;
}

std::string FromBase64Url(const std::string& code) {
    std::string bytes;
    uint32_t bits = 0;
    int held = 0;
    for (char c : code) {
        bits = bits << 6 | static_cast<uint32_t>(std::strchr(kBase64Url, c) - kBase64Url);
        if ((held += 6) >= 8) bytes += static_cast<char>(bits >> (held -= 8));
    }
    return bytes;
}

// Bytes from bits written in the order they are sent ("1" sends a 1),
// padded with zeros.
std::string PackBits(const std::string& bits) {
    std::string bytes((bits.size() + 7) / 8, '\0');
    for (size_t i = 0; i < bits.size(); ++i)
        if (bits[i] == '1') bytes[i / 8] = static_cast<char>(bytes[i / 8] | 1 << i % 8);
    return bytes;
}

// zlib's raw inflate of `bytes`, or "(refused)".
std::string ZlibInflate(const std::string& bytes) {
    z_stream stream{};
    EXPECT_EQ(inflateInit2(&stream, -15), Z_OK);
    std::string out(1 << 22, '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    stream.avail_in = static_cast<uInt>(bytes.size());
    stream.next_out = reinterpret_cast<Bytef*>(&out[0]);
    stream.avail_out = static_cast<uInt>(out.size());
    const int status = inflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    inflateEnd(&stream);
    return status == Z_STREAM_END ? out : "(refused)";
}

std::string ZlibDeflate(const std::string& script, int level) {
    z_stream stream{};
    EXPECT_EQ(deflateInit2(&stream, level, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY), Z_OK);
    std::string out(deflateBound(&stream, static_cast<uLong>(script.size())), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(script.data()));
    stream.avail_in = static_cast<uInt>(script.size());
    stream.next_out = reinterpret_cast<Bytef*>(&out[0]);
    stream.avail_out = static_cast<uInt>(out.size());
    EXPECT_EQ(deflate(&stream, Z_FINISH), Z_STREAM_END);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

// The scripts every direction is tried on.
std::vector<std::string> Scripts() {
    std::string everyByte, repetitive, mixed;
    for (int b = 0; b < 256; ++b) everyByte += static_cast<char>(b);
    for (int i = 0; i < 20000; ++i) repetitive += "tick 3\nleft\n";
    // Bytes no match shortens: stored blocks are the shortest.
    uint32_t noise = 12345;
    for (int i = 0; i < 3000; ++i) mixed += static_cast<char>((noise = noise * 1103515245u + 12345u) >> 24);
    // "\xA8" goes in a fixed block, with a 9-bit code.
    return {"", "n", "\xA8", everyByte, ReadScript("long_game.sim"), ReadScript("greedy_seven.sim"), repetitive, mixed};
}

TEST(ReplayLink, ScriptsComeBackByteForByte) {
    for (const std::string& script : Scripts()) {
        const std::string code = Encode(script);
        EXPECT_EQ(code.find_first_not_of(kBase64Url),
                  std::string::npos);
        const Decoded back = Decode(code);
        EXPECT_EQ(back.problem, LinkProblem::None) << script.size() << " bytes";
        EXPECT_TRUE(back.script == script) << script.size() << " bytes";
    }
}

TEST(ReplayLink, CodesAreDeflateThatZlibReads) {
    for (const std::string& script : Scripts())
        EXPECT_TRUE(ZlibInflate(FromBase64Url(Encode(script))) == script) << script.size() << " bytes";
}

TEST(ReplayLink, CodesAreAsShortAsTheBlockTypeThatSuitsTheScript) {
    const std::vector<std::string> scripts = Scripts();
    // Incompressible bytes go stored: 5 bytes of header over the bytes.
    const std::string& noise = scripts.back();
    EXPECT_LE(FromBase64Url(Encode(noise)).size(), noise.size() + 5);
    // A scripted game takes a dynamic block (type 2 in bits 1 and 2), and
    // comes out no longer than zlib's best by more than a few percent.
    const std::string game = FromBase64Url(Encode(scripts[4]));
    EXPECT_EQ((game[0] >> 1) & 3, 2);
    EXPECT_LE(game.size(), ZlibDeflate(scripts[4], 9).size() * 21 / 20);
    EXPECT_LE(FromBase64Url(Encode("")).size(), 2u);
}

TEST(ReplayLink, ReadsZlibsStoredFixedAndDynamicBlocks) {
    for (const std::string& script : Scripts())
        for (int level : {0, 1, 9}) {
            const Decoded back = Decode(Base64Url(ZlibDeflate(script, level)));
            EXPECT_EQ(back.problem, LinkProblem::None) << script.size() << " bytes, level " << level;
            EXPECT_TRUE(back.script == script) << script.size() << " bytes, level " << level;
        }
    // "n" at level 1 is a fixed block.
    EXPECT_EQ((ZlibDeflate("n", 1)[0] >> 1) & 3, 1);
}

TEST(ReplayLink, TakesTheCodeFromAWholeAddress) {
    const std::string script = ReadScript("plain_game.sim");
    const std::string code = Encode(script);
    EXPECT_EQ(Decode("https://example.org/trelmo.html" + std::string(kReplayMarker) + code + "&x=1").script, script);
    EXPECT_EQ(Decode("https://example.org/trelmo.html" + std::string(kReplayMarker) + code).script, script);
    // Without the marker the whole text is the code: an address is not one.
    EXPECT_EQ(Decode("https://example.org/trelmo.html#" + code).problem, LinkProblem::NotBase64);
}

TEST(ReplayLink, RefusesDamagedLinks) {
    const std::string code = Encode(ReadScript("plain_game.sim"));
    for (const char* bad : {"=", "+", "/", "%3D", " ", "."})
        EXPECT_EQ(Decode(code.substr(0, 8) + bad + code.substr(8)).problem, LinkProblem::NotBase64) << bad;
    std::string oneTooMany = code;  // 6 bits past the last whole byte
    while (oneTooMany.size() % 4 != 1) oneTooMany += 'A';
    EXPECT_EQ(Decode(oneTooMany).problem, LinkProblem::NotBase64);
    EXPECT_EQ(Decode(code.substr(0, code.size() / 2 / 4 * 4)).problem, LinkProblem::NotDeflate);
    EXPECT_EQ(Decode("").problem, LinkProblem::NotDeflate);
    EXPECT_EQ(Decode(Base64Url("\x07")).problem, LinkProblem::NotDeflate);  // block type 3
    // A stored block whose length and its complement disagree.
    EXPECT_EQ(Decode(Base64Url(std::string("\x01\x02\x00\xFF\xFF", 5) + "ab")).problem, LinkProblem::NotDeflate);
    // A final fixed block ("1" "10"): 'a', a match of 3 at distance 1, the
    // end; then the same without the 'a', reaching back before the start.
    const std::string a = "10010001", match = "0000001" "00000", end = "0000000";
    EXPECT_EQ(Decode(Base64Url(PackBits("110" + a + match + end))).script, "aaaa");
    EXPECT_EQ(Decode(Base64Url(PackBits("110" + match + end))).problem, LinkProblem::NotDeflate);
}

TEST(ReplayLink, ScriptLongerThanTheBufferIsTooLong) {
    const std::string script = ReadScript("long_game.sim");
    const std::string code = Encode(script);
    EXPECT_EQ(Decode(code, static_cast<int>(script.size())).problem, LinkProblem::TooLong);
    EXPECT_EQ(Decode(code, static_cast<int>(script.size()) + 1).script, script);
    EXPECT_EQ(Decode(Encode(std::string(100, 'x')), 50).problem, LinkProblem::TooLong);  // within a match
    char small[4];
    EXPECT_EQ(EncodeReplayCode(script.data(), static_cast<int>(script.size()), small, sizeof small), -1);
}

// Every single-bit error in a short code either is refused or gives some
// script: no read or write outside the buffers (the sanitizer tree checks).
TEST(ReplayLink, EveryFlippedBitIsRefusedOrDecoded) {
    const std::string bytes = FromBase64Url(Encode(ReadScript("fast_fall.sim")));
    int refused = 0;
    for (size_t bit = 0; bit < bytes.size() * 8; ++bit) {
        std::string damaged = bytes;
        damaged[bit / 8] = static_cast<char>(damaged[bit / 8] ^ (1 << bit % 8));
        const Decoded back = Decode(Base64Url(damaged), 400);
        if (back.problem != LinkProblem::None) ++refused;
        EXPECT_NE(back.problem, LinkProblem::NotBase64);
    }
    EXPECT_GT(refused, 0);
}

}  // namespace
