// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "cli/CommandLine.h"

#include "cli/MergeLayoutOptions.h"
#include "cli/SplitValues.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace paginor::cli {

namespace {

const QString kPassword = QStringLiteral("password");
const QString kBookmarks = QStringLiteral("bookmarks");
const QString kAtBookmarks = QStringLiteral("at-bookmarks");
const QString kDryRun = QStringLiteral("dry-run");
const QString kEvery = QStringLiteral("every");
const QString kRange = QStringLiteral("range");
const QString kOdd = QStringLiteral("odd");
const QString kEven = QStringLiteral("even");
const QString kPages = QStringLiteral("pages");
const QString kAfter = QStringLiteral("after");
const QString kDecrypt = QStringLiteral("decrypt");
const QString kAttachments = QStringLiteral("attachments");
const QString kStructure = QStringLiteral("structure");
const QString kCompat = QStringLiteral("compat");
const QString kProgress = QStringLiteral("progress");
const QString kNoProgress = QStringLiteral("no-progress");
const QString kSize = QStringLiteral("size");
const QString kRotate = QStringLiteral("rotate");

QString absolute(const QString& path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

CommandLine refuse(const QString& why)
{
    CommandLine line;
    line.command = CommandLine::Command::Usage;
    line.error = why;
    return line;
}

// A bookmark level as the option box takes it: digits only.
bool isLevel(const QString& text)
{
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// True when `text` reads as a page number would: a digit or a sign first, as "&H1F" or ".5".
bool looksLikeNumber(const QString& text)
{
    const QString t = text.trimmed();
    return !t.isEmpty() && (t.front().isDigit() || QStringLiteral("+-.&").contains(t.front()));
}

QCommandLineOption valued(const QString& name, const QString& valueName)
{
    return QCommandLineOption(name, QString(), valueName);
}

// Reads the words after the command with `options`; false with `why` set when they do not
// parse (an unknown option, a missing value).
bool parseWords(QCommandLineParser& parser, const QList<QCommandLineOption>& options,
                const QStringList& words, QString& why)
{
    parser.addOptions(options);
    // The parser takes the program's name first.
    if (parser.parse(QStringList{QStringLiteral("paginor-cli")} + words))
        return true;
    const QStringList unknown = parser.unknownOptionNames();
    why = unknown.isEmpty()
              ? parser.errorText()
              : QCoreApplication::translate("cli", "unknown option: %1%2")
                    .arg(unknown.first().size() == 1 ? QStringLiteral("-") : QStringLiteral("--"),
                         unknown.first());
    return false;
}

// --range takes two values, FROM and TO, where the parser takes one: the word after FROM is
// taken out as TO before the parser reads the rest. Returns false when there is none.
bool takeRangeEnd(QStringList& words, QString& to)
{
    for (int i = 0; i < words.size(); ++i) {
        const QString& word = words.at(i);
        if (word == QLatin1String("--"))
            return true;
        int at = -1;
        if (word == QLatin1String("--range"))
            at = i + 2;
        else if (word.startsWith(QLatin1String("--range=")))
            at = i + 1;
        else
            continue;
        if (at >= words.size())
            return false;
        to = words.takeAt(at);
        return true;
    }
    return true;
}

// The keep policy of --bookmarks MODE among `allowed`; false when it is none of them.
bool bookmarkPolicy(const QString& mode, const QStringList& allowed, BookmarkMode& policy)
{
    if (!allowed.contains(mode))
        return false;
    policy = mode == QLatin1String("keep")   ? BookmarkMode::Keep
             : mode == QLatin1String("none") ? BookmarkMode::None
                                             : BookmarkMode::PerFile;
    return true;
}

// The last keep|drop given to `option` (--attachments, --structure); false with `why` set for
// any other value.
bool keepPolicy(const QCommandLineParser& parser, const QString& option, bool& keep, QString& why)
{
    for (const QString& value : parser.values(option)) {
        if (value != QLatin1String("keep") && value != QLatin1String("drop")) {
            why = QCoreApplication::translate("cli", "--%1 takes keep or drop, not %2")
                      .arg(option, value);
            return false;
        }
        keep = value == QLatin1String("keep");
    }
    return true;
}

// What both split and merge take about the output they write.
QList<QCommandLineOption> outputOptions()
{
    return {valued(kAttachments, QStringLiteral("KEEP")),
            valued(kStructure, QStringLiteral("KEEP")), QCommandLineOption(kCompat),
            QCommandLineOption(kProgress), QCommandLineOption(kNoProgress)};
}

// Reads outputOptions() into `line`; false with `why` set for a value they do not take.
bool readOutputOptions(const QCommandLineParser& parser, CommandLine& line, QString& why)
{
    line.compat = parser.isSet(kCompat);
    if (parser.isSet(kProgress) && parser.isSet(kNoProgress)) {
        why = QCoreApplication::translate("cli",
                                          "--progress and --no-progress cannot be given together");
        return false;
    }
    if (parser.isSet(kProgress))
        line.progress = ProgressMode::On;
    else if (parser.isSet(kNoProgress))
        line.progress = ProgressMode::Off;
    return keepPolicy(parser, kAttachments, line.keepAttachments, why) &&
           keepPolicy(parser, kStructure, line.structure, why);
}

// merge's --pages N=LIST, by input number; false with `why` set for a value that names no
// input number from 1, or an input named twice. The input's number, not its name, so any file
// name works.
bool inputPageLists(const QCommandLineParser& parser, QMap<int, QString>& lists, QString& why)
{
    for (const QString& value : parser.values(kPages)) {
        const qsizetype eq = value.indexOf(u'=');
        bool isNumber = false;
        const int n = eq < 1 ? 0 : value.left(eq).toInt(&isNumber);
        if (!isNumber || n < 1 || lists.contains(n)) {
            why =
                QCoreApplication::translate("cli", "--pages takes N=LIST, once per input N, not %1")
                    .arg(value);
            return false;
        }
        lists.insert(n, value.mid(eq + 1));
    }
    return true;
}

CommandLine parseSplit(QStringList words)
{
    CommandLine line;
    line.command = CommandLine::Command::Split;
    const QString toMissing =
        QCoreApplication::translate("cli", "--range needs FROM and TO: the TO page is missing");
    QString to;
    if (!takeRangeEnd(words, to))
        return refuse(toMissing);
    QCommandLineParser parser;
    QString why;
    if (!parseWords(
            parser,
            QList<QCommandLineOption>{
                valued(kPassword, QStringLiteral("PW")), QCommandLineOption(kDryRun),
                valued(kBookmarks, QStringLiteral("MODE")),
                valued(kAtBookmarks, QStringLiteral("LEVEL")), valued(kEvery, QStringLiteral("N")),
                valued(kRange, QStringLiteral("FROM")), QCommandLineOption(kOdd),
                QCommandLineOption(kEven), valued(kPages, QStringLiteral("LIST")),
                valued(kAfter, QStringLiteral("LIST")), QCommandLineOption(kDecrypt),
                valued(kSize, QStringLiteral("SIZE")), valued(kRotate, QStringLiteral("ANGLE"))} +
                outputOptions(),
            words, why) ||
        !readOutputOptions(parser, line, why))
        return refuse(why);
    line.decrypt = parser.isSet(kDecrypt);
    const QStringList rotations = parser.values(kRotate);
    if (rotations.size() > 1)
        return refuse(QCoreApplication::translate("cli", "--rotate takes one value, once"));
    if (!rotations.isEmpty() &&
        !readRotation(rotations.first(), line.rotateAngle, line.rotatePages, why))
        return refuse(why);

    const QStringList passwords = parser.values(kPassword);
    if (passwords.size() > 1)
        return refuse(QCoreApplication::translate("cli", "--password takes one value, once"));
    line.hasPassword = !passwords.isEmpty();
    line.password = passwords.value(0);
    line.dryRun = parser.isSet(kDryRun);

    // --bookmarks is the keep policy, of which split takes only "none"; followed by a level it
    // is the old spelling of --at-bookmarks.
    QStringList levels = parser.values(kAtBookmarks);
    for (const QString& value : parser.values(kBookmarks)) {
        if (isLevel(value)) {
            levels << value;
            line.hints << QCoreApplication::translate(
                "cli", "--bookmarks LEVEL is now --at-bookmarks LEVEL");
        } else if (!bookmarkPolicy(value, {QStringLiteral("none")}, line.bookmarks)) {
            return refuse(
                QCoreApplication::translate("cli", "split takes only --bookmarks none, not %1")
                    .arg(value));
        }
    }
    for (const QString& level : levels)
        if (!isLevel(level))
            return refuse(QCoreApplication::translate(
                              "cli", "--at-bookmarks takes a level (1 = the top), not %1")
                              .arg(level));
    const QStringList modeNames{kEvery, kRange, kOdd, kEven, kPages, kAfter, kSize};
    const QStringList seen = parser.optionNames();
    const qsizetype modes =
        levels.size() + std::count_if(seen.begin(), seen.end(), [&](const QString& name) {
            return modeNames.contains(name);
        });
    if (modes > 1)
        return refuse(QCoreApplication::translate(
            "cli", "give exactly one of --every, --range, --odd, --even, "
                   "--pages, --at-bookmarks, --after, --size"));
    if (modes == 0)
        return refuse(QCoreApplication::translate(
            "cli", "split needs one of --every, --range, --odd, --even, "
                   "--pages, --at-bookmarks, --after, --size"));

    SplitOptions& o = line.options;
    if (parser.isSet(kEvery)) {
        o.mode = SplitMode::EveryN;
        o.TextEvery = parser.value(kEvery);
    } else if (parser.isSet(kRange)) {
        o.mode = SplitMode::PageRange;
        o.TextFrom = parser.value(kRange);
        o.TextTo = to;
    } else if (parser.isSet(kOdd)) {
        o.mode = SplitMode::OddPages;
    } else if (parser.isSet(kEven)) {
        o.mode = SplitMode::EvenPages;
    } else if (parser.isSet(kPages)) {
        o.mode = SplitMode::CustomPages;
        o.TextCustom = parser.value(kPages);
    } else if (parser.isSet(kAfter)) {
        o.mode = SplitMode::AfterPages;
        o.TextAfter = parser.value(kAfter);
    } else if (parser.isSet(kSize)) {
        o.mode = SplitMode::SizeParts;
        if (!sizeInMegabytes(parser.value(kSize), o.TextSize))
            return refuse(QCoreApplication::translate(
                              "cli", "--size takes a size above 0 such as 10M, 500K or "
                                     "1.5G, not %1")
                              .arg(parser.value(kSize)));
    } else {
        o.mode = SplitMode::Bookmarks;
        o.TextLevel = levels.first();
    }

    const QStringList positional = parser.positionalArguments();
    // "--range 5 SOURCE OUTPUT" took SOURCE for TO, leaving OUTPUT alone.
    if (o.mode == SplitMode::PageRange && positional.size() == 1 && !looksLikeNumber(to))
        return refuse(toMissing);
    if (positional.size() != 2)
        return refuse(QCoreApplication::translate("cli", "split needs SOURCE and OUTPUT"));
    // The source goes in as typed, so the job trims and checks it as it would a typed path.
    const QString& source = positional.at(0);
    line.source = source.trimmed().isEmpty() ? source : absolute(source.trimmed());
    line.output = absolute(positional.at(1));
    return line;
}

CommandLine parseOutline(const QStringList& words)
{
    CommandLine line;
    line.command = CommandLine::Command::Outline;
    QCommandLineParser parser;
    QString why;
    if (!parseWords(parser, {valued(kPassword, QStringLiteral("PW"))}, words, why))
        return refuse(why);
    const QStringList passwords = parser.values(kPassword);
    if (passwords.size() > 1)
        return refuse(QCoreApplication::translate("cli", "--password takes one value, once"));
    line.hasPassword = !passwords.isEmpty();
    line.password = passwords.value(0);
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1 || positional.first().trimmed().isEmpty())
        return refuse(QCoreApplication::translate("cli", "outline needs SOURCE"));
    line.source = absolute(positional.first().trimmed());
    return line;
}

CommandLine parseMerge(const QStringList& words)
{
    CommandLine line;
    line.command = CommandLine::Command::Merge;
    QCommandLineParser parser;
    QString why;
    if (!parseWords(parser,
                    QList<QCommandLineOption>{valued(kPassword, QStringLiteral("PW")),
                                              valued(kBookmarks, QStringLiteral("MODE")),
                                              valued(kPages, QStringLiteral("N=LIST"))} +
                        outputOptions() + mergeLayoutOptions(),
                    words, why) ||
        !readOutputOptions(parser, line, why) || !inputPageLists(parser, line.inputPages, why) ||
        !readMergeLayout(parser, line, why))
        return refuse(why);
    line.passwords = parser.values(kPassword);
    for (const QString& mode : parser.values(kBookmarks))
        if (!bookmarkPolicy(
                mode, {QStringLiteral("per-file"), QStringLiteral("keep"), QStringLiteral("none")},
                line.bookmarks))
            return refuse(QCoreApplication::translate(
                              "cli", "--bookmarks takes per-file, keep or none, not %1")
                              .arg(mode));
    QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return refuse(QCoreApplication::translate("cli", "merge needs OUTPUT and the INPUT files"));
    line.output = absolute(positional.takeFirst());
    for (const QString& input : positional)
        line.inputs << absolute(input);
    if (const auto [n, option] = highestInputNamed(line); n > line.inputs.size())
        return refuse(QCoreApplication::translate("cli", "%1 names input %2, but there are %3")
                          .arg(option)
                          .arg(n)
                          .arg(line.inputs.size()));
    return line;
}

} // namespace

CommandLine parseCommandLine(const QStringList& args)
{
    if (args.isEmpty())
        return refuse(QCoreApplication::translate("cli", "no command given"));
    const QString& first = args.at(0);
    if (args.size() == 1 && (first == QLatin1String("--help") || first == QLatin1String("-h"))) {
        CommandLine line;
        line.command = CommandLine::Command::Help;
        return line;
    }
    if (args.size() == 1 && first == QLatin1String("--version")) {
        CommandLine line;
        line.command = CommandLine::Command::Version;
        return line;
    }
    const QStringList words = args.mid(1);
    if (first == QLatin1String("split"))
        return parseSplit(words);
    if (first == QLatin1String("merge"))
        return parseMerge(words);
    if (first == QLatin1String("outline"))
        return parseOutline(words);
    return refuse(QCoreApplication::translate("cli", "unknown command: %1").arg(first));
}

QString usageText()
{
    return QStringLiteral(
        "Usage:\n"
        "  paginor-cli split --every N       SOURCE OUTPUT\n"
        "  paginor-cli split --range FROM TO SOURCE OUTPUT\n"
        "  paginor-cli split --odd           SOURCE OUTPUT\n"
        "  paginor-cli split --even          SOURCE OUTPUT\n"
        "  paginor-cli split --pages LIST    SOURCE OUTPUT\n"
        "  paginor-cli split --at-bookmarks LEVEL SOURCE OUTPUT\n"
        "  paginor-cli split --after LIST    SOURCE OUTPUT\n"
        "  paginor-cli split --size SIZE     SOURCE OUTPUT\n"
        "  paginor-cli merge OUTPUT INPUT INPUT [INPUT ...]\n"
        "  paginor-cli outline SOURCE\n"
        "  paginor-cli --help | --version\n"
        "\n"
        "split --dry-run prints the page count, each file it would write with its page count,\n"
        "and what lies past the end; it writes nothing.\n"
        "split also takes --password PW; the variable PAGINOR_PASSWORD serves too. Without\n"
        "either, a protected source is asked for on the terminal.\n"
        "merge tries every --password given (or PAGINOR_PASSWORD) on each protected input and\n"
        "asks on the terminal for one that none of them opens.\n"
        "Outputs keep the bookmarks, links and named destinations of their pages. merge's\n"
        "--bookmarks is per-file (an entry for each input above its own bookmarks, the\n"
        "default), keep (the inputs' own bookmarks only) or none; split takes --bookmarks none.\n"
        "Either may be written with \"=\": --bookmarks=none.\n"
        "split keeps a protected source's encryption (the same passwords and permissions);\n"
        "--decrypt writes the parts without it. Outputs keep the document information, the\n"
        "layers and the attached files of their sources; --attachments=drop leaves the\n"
        "document's attached files out.\n"
        "Tagged inputs keep their structure tree (headings, tables, alternate text, reading\n"
        "order) trimmed to each output's pages and joined in a merge; --structure=drop on split\n"
        "or merge leaves it out. A damaged tree is repaired or dropped with a warning.\n"
        "With --every N the parts are written as \"OUTPUT-name Page 1-10.pdf\" and so on.\n"
        "With --after LIST (\"5,12,40\") one part per run between the pages cut after, named\n"
        "as with --every: \"OUTPUT-name Page 1-5.pdf\", ... \"OUTPUT-name Page 41-50.pdf\".\n"
        "With --size SIZE (10M, 500K, 1.5G; a plain number is megabytes; 1K = 1024 bytes)\n"
        "each part is the longest run of pages whose file is at most SIZE, named as with\n"
        "--every; a page larger than SIZE on its own gets a file by itself and is named.\n"
        "split --rotate 90 turns every page written by 90 degrees clockwise (180 and 270 too),\n"
        "added to each page's own rotation; --rotate 90:1-3,7 turns only those pages of SOURCE.\n"
        "With --at-bookmarks LEVEL one part per bookmark of that level (1 = the top), written\n"
        "as \"OUTPUT-name 01 Title.pdf\" and so on. outline prints the bookmarks, one a line:\n"
        "level, page number (- when it leads nowhere) and title, separated by tabs; it takes\n"
        "--password PW as split does.\n"
        "merge --pages 2=1-3,5 takes only those pages of the second INPUT (repeatable, one per\n"
        "INPUT); bookmarks, links and named destinations follow the pages taken.\n"
        "merge --interleave takes one page of each INPUT in turn (A1 B1 A2 B2 ...); when one\n"
        "runs out the others go on. --reverse N takes the pages of input N last to first,\n"
        "after its --pages (repeatable). --pad-odd adds a blank page after each INPUT with an\n"
        "odd page count, except the last. --rotate 2=90 turns the pages of the second INPUT\n"
        "by 90 degrees (any multiple of 90; repeatable). --contents puts a contents page\n"
        "first, a line and a link for each INPUT, under a \"Contents\" bookmark.\n"
        "split and merge take --compat to write without object streams, for readers older\n"
        "than PDF 1.5; outputs are larger then.\n"
        "On a terminal, a split or merge that runs over a second shows its progress on one\n"
        "line of standard error; --progress shows it always, --no-progress never.\n"
        "An existing OUTPUT is replaced. An input file is never written over.\n"
        "Exit status: 0 done, 1 refused or failed, 2 usage error.\n");
}

} // namespace paginor::cli
