// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

class QPainter;
class QRect;

namespace paginor {

// Paints the picture of the About and splash window into `area` (designed for 420 by 230):
// the name on a deep blue field with a stack of pages being cut in two, over a light band
// that carries the copyright line and the web address.
void paintFlashArtwork(QPainter& painter, const QRect& area);

} // namespace paginor
