// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <QString>

namespace paginor::cli {

// split --size: 10M, 500K, 1.5G or a plain number of megabytes (1K = 1024 bytes), set into
// `megabytes` as the size box's text. False when it is no size the box takes (above 0, at most
// a terabyte).
bool sizeInMegabytes(const QString& value, QString& megabytes);

// split --rotate: ANGLE (90, 180 or 270) or ANGLE:PAGES, a page list of the source. False,
// with `why` set, for another angle, an empty list after ":" or a list that is not valid.
bool readRotation(const QString& value, int& angle, QString& pages, QString& why);

} // namespace paginor::cli
