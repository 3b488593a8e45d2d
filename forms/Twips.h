// Positions and sizes of the design: twips, 15 to a device-independent pixel.
#pragma once

namespace forms {

constexpr int TwipsPerPixel = 15;

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

} // namespace forms
