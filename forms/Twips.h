// Positions and sizes of the design: twips, 15 to a device-independent pixel.
#pragma once

namespace forms {

constexpr int TwipsPerPixel = 15;

// Twips to device-independent pixels, rounded to the nearest pixel.
constexpr int toPixels(int twips) {
    return twips >= 0 ? (twips + TwipsPerPixel / 2) / TwipsPerPixel : -((-twips + TwipsPerPixel / 2) / TwipsPerPixel);
}
constexpr int toTwips(int pixels) { return pixels * TwipsPerPixel; }

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

} // namespace forms
