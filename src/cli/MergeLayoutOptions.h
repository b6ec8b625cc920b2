// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "cli/CommandLine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <utility>

namespace paginor::cli {

// merge's options for laying pages out: --interleave, --pad-odd, --contents, --reverse N and
// --rotate N=ANGLE.
QList<QCommandLineOption> mergeLayoutOptions();

// Reads mergeLayoutOptions() into `line`; false with `why` set for a --rotate or --reverse
// that names no input number from 1, names an input twice, or turns by an angle that is not a
// multiple of 90. Whether the inputs named exist is told by highestInputNamed.
bool readMergeLayout(const QCommandLineParser& parser, CommandLine& line, QString& why);

// The highest input number that --pages, --rotate or --reverse names, with that option
// ("--rotate"); 0 when none names one.
std::pair<int, QString> highestInputNamed(const CommandLine& line);

} // namespace paginor::cli
