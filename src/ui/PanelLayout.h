// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <QRect>

namespace paginor {

// Window measures are designed in twips; the window runs at 15 twips per pixel.
constexpr int kTwipsPerPixel = 15;

// Converts twips to whole pixels, rounding to the nearest.
int twipsToPixels(int twips);

// A rectangle in twips.
struct TwipsRect
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const TwipsRect& o) const
    {
        return left == o.left && top == o.top && width == o.width && height == o.height;
    }
};

// Where the tab strip and the two panels (which share one rectangle) go.
struct PanelPlacement
{
    TwipsRect tabStrip;
    TwipsRect panels;
};

// Lays out the tab strip and the panels in the free client area (left, top, right, bottom in
// twips): the tab strip at (left, top + 30) with width `right` and height `bottom` - 60, the
// panels inset 50 at the sides, 480 below the tab strip's top and 60 above its bottom. A move
// that would give a negative width or height is skipped: that rectangle stays as in `current`,
// and the panels are then placed from the tab strip as it stands.
PanelPlacement arrangePanels(int left, int top, int right, int bottom,
                             const PanelPlacement& current);

// The pixel rectangle of a twips rectangle, each value rounded on its own.
QRect toPixels(const TwipsRect& r);

} // namespace paginor
