// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "ui/PanelLayout.h"

#include <cmath>

namespace paginor {

int twipsToPixels(int twips)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

PanelPlacement arrangePanels(int left, int top, int right, int bottom,
                             const PanelPlacement& current)
{
    PanelPlacement out = current;
    // The width is `right` itself and the height leaves `top` out: the strip is meant to
    // reach past the bottom edge, which clips it.
    const TwipsRect strip{left, top + 30, right, bottom - 60};
    if (strip.width >= 0 && strip.height >= 0)
        out.tabStrip = strip;
    const TwipsRect panels{out.tabStrip.left + 50, out.tabStrip.top + 480, out.tabStrip.width - 100,
                           out.tabStrip.height - 540};
    if (panels.width >= 0 && panels.height >= 0)
        out.panels = panels;
    return out;
}

QRect toPixels(const TwipsRect& r)
{
    return QRect(twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width),
                 twipsToPixels(r.height));
}

} // namespace paginor
