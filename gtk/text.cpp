#include "gtk/text.h"

#include <glib.h>

#include <cstring>

#include "resources/dialog_keys.h"

namespace {

std::string Convert(const char* text, int length, const char* to, const char* from, const char* fallback) {
    gsize written = 0;
    gchar* converted =
        g_convert_with_fallback(text, length, to, from, fallback, nullptr, &written, nullptr);
    if (converted == nullptr) return std::string();
    std::string result(converted, written);
    g_free(converted);
    return result;
}

}  // namespace

std::string Utf8FromGbk(const char* gbk, int length) {
    // Invalid input stops g_convert; undecodable bytes are replaced by hand.
    std::string result;
    int start = 0;
    while (start < length) {
        int end = start;
        while (end < length) {
            const unsigned char lead = static_cast<unsigned char>(gbk[end]);
            if (lead < 0x80) { ++end; continue; }
            if (lead == 0x80 || lead == 0xFF || end + 1 >= length) break;
            const unsigned char trail = static_cast<unsigned char>(gbk[end + 1]);
            if (trail < 0x40 || trail == 0x7F || trail == 0xFF) break;
            end += 2;
        }
        std::string part = Convert(gbk + start, end - start, "UTF-8", "GBK", "?");
        if (part.empty() && end > start) part.assign(static_cast<size_t>(end - start), '?');
        result += part;
        if (end < length) {
            result += "\xEF\xBF\xBD";
            ++end;
        }
        start = end;
    }
    return result;
}

std::string Utf8FromGbk(const char* gbk) { return Utf8FromGbk(gbk, static_cast<int>(std::strlen(gbk))); }

std::string GbkFromUtf8(const char* utf8) {
    if (!g_utf8_validate(utf8, -1, nullptr)) return std::string();
    return Convert(utf8, -1, "GBK", "UTF-8", "?");
}

// GTK marks the underlined letter with "_" and takes "__" for an underscore.
std::string MnemonicFromGbk(const char* gbk) {
    const ControlText text = ReadControlText(gbk);
    const std::string utf8 = Utf8FromGbk(text.shown);
    const size_t mark = text.underline < 0 ? std::string::npos : Utf8FromGbk(text.shown, text.underline).size();
    std::string result;
    for (size_t i = 0; i < utf8.size(); ++i) result.append(i == mark ? "_" : "").append(utf8[i] == '_' ? 2 : 1, utf8[i]);
    return result;
}
