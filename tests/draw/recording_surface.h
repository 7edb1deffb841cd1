#pragma once
// A surface that records each call as a line of text, to check what a
// primitive asks of the platform call by call.
#include <string>
#include <vector>

#include "draw/surface.h"

class RecordingSurface final : public Surface {
public:
    std::vector<std::string> calls;

    void CopyBlock(int x, int y, int w, int h, Picture source, int sx, int sy) override {
        static const char* const names[] = {"tiles", "digits", "logo"};
        Add("copy " + Xy(x, y) + " " + std::to_string(w) + "x" + std::to_string(h) + " " +
            names[static_cast<int>(source)] + " " + Xy(sx, sy));
    }
    void FillRect(int left, int top, int right, int bottom, Rgb c) override {
        Add("fill " + Xy(left, top) + "-" + Xy(right, bottom) + " " + Colour(c));
    }
    void Line(int x0, int y0, int x1, int y1, Rgb c) override {
        Add("line " + Xy(x0, y0) + "-" + Xy(x1, y1) + " " + Colour(c));
    }
    void Text(int x, int y, const char* text, int length) override {
        Add("text " + Xy(x, y) + " " + std::string(text, length));
    }

private:
    static std::string Xy(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }
    static std::string Colour(Rgb c) {
        return std::to_string(c.r) + "/" + std::to_string(c.g) + "/" + std::to_string(c.b);
    }
    void Add(std::string s) { calls.push_back(std::move(s)); }
};
