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
    void Lines(const LineSegment* segments, int count, Rgb c) override {
        Add("pen " + Colour(c));
        for (int i = 0; i < count; ++i) {
            const LineSegment& s = segments[i];
            Add("line " + Xy(s.x0, s.y0) + "-" + Xy(s.x1, s.y1));
        }
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
