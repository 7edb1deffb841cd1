#pragma once
// The program keeps its texts as GBK; GTK takes UTF-8. Conversion happens
// here, at the toolkit's edge, and nowhere else.
#include <string>

// GBK bytes to UTF-8; a byte sequence GBK does not define becomes U+FFFD.
std::string Utf8FromGbk(const char* gbk);
std::string Utf8FromGbk(const char* gbk, int length);
// UTF-8 to GBK; a character GBK cannot hold becomes "?".
std::string GbkFromUtf8(const char* utf8);
// A Windows control text to a GTK label with its "&" letter underlined
// (resources/dialog_keys.h reads the marks); an underscore stays one.
std::string MnemonicFromGbk(const char* gbk);
