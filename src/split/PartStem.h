// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <QString>

namespace paginor {

// The chosen output path of a split that writes several files, taken apart for naming them.
struct PartStem
{
    QString folder; // everything up to and with the last separator; "" when there is none
    QString name;   // the file name with ".pdf" (any letter case) removed
};

// Splits `chosenPath` into its folder and its file name without ".pdf". Only the file name
// loses its ".pdf": a folder such as "Scans.pdf.d" stays as it is.
PartStem partStem(const QString& chosenPath);

} // namespace paginor
