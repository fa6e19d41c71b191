#include "layout.h"

namespace {
constexpr int FrameWidth = 130, FrameHeight = 230;
constexpr int PixelPitch = 20, PixelSize = 18;
}

int SegmentLeft(int segment)
{
    return 20 + 145 * (segment % 4);
}

int SegmentTop(int segment)
{
    return segment < 4 ? 10 : 250;
}

Rect SegmentFrameRect(int segment, int T)
{
    return {SegmentLeft(segment), T + SegmentTop(segment), FrameWidth, FrameHeight};
}

Rect IncludeBoxRect(int segment, int T)
{
    return {SegmentLeft(segment) + 75, T + SegmentTop(segment) + 20, 40, 25};
}

Rect ActiveOptionRect(int segment, int T)
{
    return {SegmentLeft(segment) + 15, T + SegmentTop(segment) + 20, 50, 25};
}

Rect PixelToggleRect(int segment, int column, int row, int T)
{
    return {SegmentLeft(segment) + PixelPitch * column - 5, T + SegmentTop(segment) + PixelPitch * row + 30,
            PixelSize, PixelSize};
}

Rect OutputBoxRect(int T)
{
    return {20, T + 495, 565, 80};
}

std::string SegmentCaption(int segment)
{
    return "Segment " + std::to_string(segment);
}

std::string PixelToggleName(int segment, int column, int row)
{
    return "Segment " + std::to_string(segment) + ", Zeile " + std::to_string(row) + ", Spalte "
           + std::to_string(column);
}
