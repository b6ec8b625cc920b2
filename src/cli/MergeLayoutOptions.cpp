// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "cli/MergeLayoutOptions.h"

#include <QCoreApplication>

namespace paginor::cli {

namespace {

const QString kInterleave = QStringLiteral("interleave");
const QString kReverse = QStringLiteral("reverse");
const QString kPadOdd = QStringLiteral("pad-odd");
const QString kRotate = QStringLiteral("rotate");
const QString kContents = QStringLiteral("contents");

} // namespace

QList<QCommandLineOption> mergeLayoutOptions()
{
    return {QCommandLineOption(kRotate, QString(), QStringLiteral("N=ANGLE")),
            QCommandLineOption(kReverse, QString(), QStringLiteral("N")),
            QCommandLineOption(kInterleave), QCommandLineOption(kPadOdd),
            QCommandLineOption(kContents)};
}

bool readMergeLayout(const QCommandLineParser& parser, CommandLine& line, QString& why)
{
    line.interleave = parser.isSet(kInterleave);
    line.padOdd = parser.isSet(kPadOdd);
    line.contents = parser.isSet(kContents);
    for (const QString& value : parser.values(kRotate)) {
        const qsizetype eq = value.indexOf(u'=');
        bool isNumber = false, isAngle = false;
        const int n = eq < 1 ? 0 : value.left(eq).toInt(&isNumber);
        const int angle = value.mid(eq + 1).toInt(&isAngle);
        if (!isNumber || n < 1 || line.inputRotations.contains(n) || !isAngle || angle % 90 != 0) {
            why = QCoreApplication::translate("cli", "--rotate takes N=ANGLE, once per input N, "
                                                     "with ANGLE a multiple of 90, not %1")
                      .arg(value);
            return false;
        }
        line.inputRotations.insert(n, angle);
    }
    for (const QString& value : parser.values(kReverse)) {
        bool isNumber = false;
        const int n = value.toInt(&isNumber);
        if (!isNumber || n < 1 || line.reversedInputs.contains(n)) {
            why = QCoreApplication::translate("cli",
                                              "--reverse takes an input number, once each, not %1")
                      .arg(value);
            return false;
        }
        line.reversedInputs << n;
    }
    return true;
}

std::pair<int, QString> highestInputNamed(const CommandLine& line)
{
    std::pair<int, QString> top{0, QString()};
    auto consider = [&top](int n, const char* option) {
        if (n > top.first)
            top = {n, QString::fromLatin1(option)};
    };
    if (!line.inputPages.isEmpty())
        consider(line.inputPages.lastKey(), "--pages");
    if (!line.inputRotations.isEmpty())
        consider(line.inputRotations.lastKey(), "--rotate");
    for (int n : line.reversedInputs)
        consider(n, "--reverse");
    return top;
}

} // namespace paginor::cli
