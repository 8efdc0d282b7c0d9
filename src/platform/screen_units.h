#pragma once
// Positions and sizes of the window layout are given in twips (1/1440 inch); the
// screen works in pixels at 15 twips per pixel.

namespace platform
{

constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    return twips / kTwipsPerPixel;
}

constexpr int pixelsToTwips(int pixels)
{
    return pixels * kTwipsPerPixel;
}

} // namespace platform
