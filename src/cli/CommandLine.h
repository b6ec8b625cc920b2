// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "engine/BookmarkMode.h"
#include "split/SplitOptions.h"

#include <QMap>
#include <QString>
#include <QStringList>

namespace paginor::cli {

// Whether a job's progress line shows on standard error.
enum class ProgressMode
{
    Auto, // on a terminal, once the job has run for a second
    On,   // --progress: from the start, terminal or not
    Off,  // --no-progress
};

// What the command line asks for, once its words are read.
struct CommandLine
{
    enum class Command
    {
        Usage,   // the words do not form a command: print `error` and where help is, exit 2
        Help,    // --help
        Version, // --version
        Split,
        Merge,
        Outline, // print the source's bookmarks
    };
    Command command = Command::Usage;
    QString error;     // why the words were refused, for Usage
    QStringList hints; // one line each on an old spelling that still works

    // split: the mode and its boxes as the option panel would hold them.
    SplitOptions options;
    // split and outline: the source file and its password.
    QString source;
    bool hasPassword = false; // --password was given (it may be "")
    QString password;
    bool dryRun = false; // --dry-run: tell what the split would write, write nothing

    // split: --rotate ANGLE[:PAGES], the angle (0 = none) added to the rotation of the source's
    // pages PAGES ("" = every page).
    int rotateAngle = 0;
    QString rotatePages;

    // merge: every --password given, in order; each is tried on every protected input.
    QStringList passwords;

    // --bookmarks MODE (or =MODE): merge per-file (default), keep or none; split none.
    BookmarkMode bookmarks = BookmarkMode::PerFile;
    // --structure=keep|drop on split and merge: whether tagged structure is kept.
    bool structure = true;

    // split: --decrypt writes the parts of a protected source without its protection.
    bool decrypt = false;
    // split and merge: --attachments=keep (default) or drop, for document-level attachments.
    bool keepAttachments = true;

    // merge: --pages N=LIST, the page list of input N (from 1), by input.
    QMap<int, QString> inputPages;
    // merge: --rotate N=ANGLE, the turn of input N (a multiple of 90), by input; --reverse N,
    // the inputs whose pages go last to first.
    QMap<int, int> inputRotations;
    QList<int> reversedInputs;
    // merge: --interleave, --pad-odd and --contents.
    bool interleave = false;
    bool padOdd = false;
    bool contents = false;
    // split and merge: --compat writes without object streams, for readers older than PDF 1.5.
    bool compat = false;
    // split and merge: --progress / --no-progress.
    ProgressMode progress = ProgressMode::Auto;

    // split and merge: the output file; merge: the inputs in order.
    QString output;
    QStringList inputs;
};

// Reads the words after the program name. Paths are made absolute with native separators.
CommandLine parseCommandLine(const QStringList& args);

// The usage text, ending in a line break.
QString usageText();

} // namespace paginor::cli
