#pragma once
// The rectangles painting has changed since they were last shown, for a
// front end that shows only those: a few boxes in a fixed room, so that
// painting never allocates. Each box is clipped to the picture; one inside
// a box already held adds nothing; when the room is full, all the boxes
// become their bounding box: one large copy beats many small ones.
#include <cstddef>

#include "draw/surface.h"

class ChangedBoxes {
public:
    static constexpr int kMostBoxes = 16;

    ChangedBoxes(int width, int height) : width_(width), height_(height) {}

    void Add(PixelBox box);
    // The whole picture.
    void AddWhole() { Add({0, 0, width_, height_}); }
    void Clear() { count_ = 0; }

    bool empty() const { return count_ == 0; }
    size_t size() const { return static_cast<size_t>(count_); }
    const PixelBox* begin() const { return boxes_; }
    const PixelBox* end() const { return boxes_ + count_; }

private:
    int width_, height_;
    PixelBox boxes_[kMostBoxes] = {};
    int count_ = 0;
};
