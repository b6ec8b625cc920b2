#include "cli/CommandLine.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace paginor::cli {

namespace {

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

// Reads `count` values after the option at `i`; false when they are missing.
bool takeValues(const QStringList& args, int& i, int count, QStringList& values)
{
    if (i + count >= args.size())
        return false;
    for (int k = 1; k <= count; ++k)
        values << args.at(i + k);
    i += count;
    return true;
}

// Reads "--bookmarks=MODE" among `allowed` modes; false when the word is not that option.
bool takeBookmarks(const QString& word, const QStringList& allowed, CommandLine& line, bool& ok)
{
    const QLatin1String prefix("--bookmarks=");
    if (!word.startsWith(prefix))
        return false;
    const QString mode = word.mid(prefix.size());
    ok = allowed.contains(mode);
    line.bookmarks = mode == QLatin1String("keep")   ? BookmarkMode::Keep
                     : mode == QLatin1String("none") ? BookmarkMode::None
                                                     : BookmarkMode::PerFile;
    return true;
}

CommandLine parseSplit(const QStringList& args)
{
    CommandLine line;
    line.command = CommandLine::Command::Split;
    QStringList positional;
    bool modeSeen = false;
    bool optionsEnded = false;
    for (int i = 1; i < args.size(); ++i) {
        const QString& word = args.at(i);
        if (optionsEnded || !word.startsWith(QLatin1String("--")) || word == QLatin1String("-")) {
            positional << word;
            continue;
        }
        if (word == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (word == QLatin1String("--dry-run")) {
            line.dryRun = true;
            continue;
        }
        if (word == QLatin1String("--compat")) {
            line.compat = true;
            continue;
        }
        QStringList values;
        if (word == QLatin1String("--password")) {
            if (line.hasPassword || !takeValues(args, i, 1, values))
                return refuse(QStringLiteral("--password takes one value, once"));
            line.hasPassword = true;
            line.password = values.at(0);
            continue;
        }
        bool known = false;
        if (takeBookmarks(word, {QStringLiteral("none")}, line, known)) {
            if (!known)
                return refuse(QStringLiteral("split takes only --bookmarks=none"));
            continue;
        }
        if (modeSeen)
            return refuse(QStringLiteral(
                "give exactly one of --every, --range, --odd, --even, --pages, --bookmarks"));
        modeSeen = true;
        SplitOptions& o = line.options;
        if (word == QLatin1String("--every") && takeValues(args, i, 1, values)) {
            o.mode = SplitMode::EveryN;
            o.TextEvery = values.at(0);
        } else if (word == QLatin1String("--range") && takeValues(args, i, 2, values)) {
            o.mode = SplitMode::PageRange;
            o.TextFrom = values.at(0);
            o.TextTo = values.at(1);
        } else if (word == QLatin1String("--odd")) {
            o.mode = SplitMode::OddPages;
        } else if (word == QLatin1String("--even")) {
            o.mode = SplitMode::EvenPages;
        } else if (word == QLatin1String("--pages") && takeValues(args, i, 1, values)) {
            o.mode = SplitMode::CustomPages;
            o.TextCustom = values.at(0);
        } else if (word == QLatin1String("--bookmarks") && takeValues(args, i, 1, values) &&
                   isLevel(values.at(0))) {
            o.mode = SplitMode::Bookmarks;
            o.TextLevel = values.at(0);
        } else {
            return refuse(QStringLiteral("unknown option or missing value: %1").arg(word));
        }
    }
    if (!modeSeen)
        return refuse(QStringLiteral(
            "split needs one of --every, --range, --odd, --even, --pages, --bookmarks"));
    if (positional.size() != 2)
        return refuse(QStringLiteral("split needs SOURCE and OUTPUT"));
    // The source goes in as typed, so the job trims and checks it as it would a typed path.
    const QString& source = positional.at(0);
    line.source = source.trimmed().isEmpty() ? source : absolute(source.trimmed());
    line.output = absolute(positional.at(1));
    return line;
}

// The words of `outline`: SOURCE, and --password PW before it.
CommandLine parseOutline(const QStringList& args)
{
    CommandLine line;
    line.command = CommandLine::Command::Outline;
    int i = 1;
    if (i < args.size() && args.at(i) == QLatin1String("--password")) {
        if (i + 1 >= args.size())
            return refuse(QStringLiteral("--password takes one value, once"));
        line.hasPassword = true;
        line.password = args.at(i + 1);
        i += 2;
    }
    if (i < args.size() && args.at(i) == QLatin1String("--"))
        ++i;
    if (i + 1 != args.size() || args.at(i).trimmed().isEmpty())
        return refuse(QStringLiteral("outline needs SOURCE"));
    line.source = absolute(args.at(i).trimmed());
    return line;
}

CommandLine parseMerge(const QStringList& args)
{
    CommandLine line;
    line.command = CommandLine::Command::Merge;
    QStringList positional;
    bool optionsEnded = false;
    for (int i = 1; i < args.size(); ++i) {
        const QString& word = args.at(i);
        if (!optionsEnded && word == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && word == QLatin1String("--password")) {
            QStringList values;
            if (!takeValues(args, i, 1, values))
                return refuse(QStringLiteral("--password takes one value"));
            line.passwords << values.at(0);
            continue;
        }
        if (!optionsEnded && word == QLatin1String("--compat")) {
            line.compat = true;
            continue;
        }
        bool known = false;
        if (!optionsEnded &&
            takeBookmarks(
                word, {QStringLiteral("per-file"), QStringLiteral("keep"), QStringLiteral("none")},
                line, known)) {
            if (!known)
                return refuse(QStringLiteral("--bookmarks= takes per-file, keep or none"));
            continue;
        }
        if (!optionsEnded && word.startsWith(QLatin1String("--")))
            return refuse(QStringLiteral("unknown option or missing value: %1").arg(word));
        positional << word;
    }
    if (positional.isEmpty())
        return refuse(QStringLiteral("merge needs OUTPUT and the INPUT files"));
    line.output = absolute(positional.takeFirst());
    for (const QString& input : positional)
        line.inputs << absolute(input);
    return line;
}

} // namespace

CommandLine parseCommandLine(const QStringList& args)
{
    if (args.isEmpty())
        return refuse(QStringLiteral("no command given"));
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
    if (first == QLatin1String("split"))
        return parseSplit(args);
    if (first == QLatin1String("merge"))
        return parseMerge(args);
    if (first == QLatin1String("outline"))
        return parseOutline(args);
    return refuse(QStringLiteral("unknown command: %1").arg(first));
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
        "  paginor-cli split --bookmarks LEVEL SOURCE OUTPUT\n"
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
        "--bookmarks= is per-file (an entry for each input above its own bookmarks, the\n"
        "default), keep (the inputs' own bookmarks only) or none; split takes --bookmarks=none.\n"
        "With --every N the parts are written as \"OUTPUT-name Page 1-10.pdf\" and so on.\n"
        "With --bookmarks LEVEL one part per bookmark of that level (1 = the top), written as\n"
        "\"OUTPUT-name 01 Title.pdf\" and so on. outline prints the bookmarks, one a line:\n"
        "level, page number (- when it leads nowhere) and title, separated by tabs; it takes\n"
        "--password PW as split does.\n"
        "split and merge take --compat to write without object streams, for readers older\n"
        "than PDF 1.5; outputs are larger then.\n"
        "An existing OUTPUT is replaced. An input file is never written over.\n"
        "Exit status: 0 done, 1 refused or failed, 2 usage error.\n");
}

} // namespace paginor::cli
