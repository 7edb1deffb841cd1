#include "draw/changed_boxes.h"

#include <algorithm>

void ChangedBoxes::Add(PixelBox box) {
    box = {std::max(box.left, 0), std::max(box.top, 0), std::min(box.right, width_), std::min(box.bottom, height_)};
    if (box.left >= box.right || box.top >= box.bottom) return;
    for (const PixelBox& held : *this)
        if (box.left >= held.left && box.top >= held.top && box.right <= held.right && box.bottom <= held.bottom) return;
    if (count_ == kMostBoxes) {
        PixelBox all = boxes_[0];
        for (const PixelBox& held : *this)
            all = {std::min(all.left, held.left), std::min(all.top, held.top), std::max(all.right, held.right),
                   std::max(all.bottom, held.bottom)};
        boxes_[0] = all;
        count_ = 1;
        Add(box);
        return;
    }
    boxes_[count_++] = box;
}
