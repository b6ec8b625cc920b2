// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace paginor {

class FormMain;

// What the command line of `paginor` asks for.
struct LaunchRequest
{
    enum class Kind
    {
        Window,    // open the window, with `files` if any
        Version,   // print the version
        Help,      // print the usage
        ListSkins, // print the skins and the style file they come from
        Usage,     // a mistake: print `error` and the usage
    };
    Kind kind = Kind::Window;
    QStringList files;
    QString error;
};

// Reads the arguments after the program's name. Options are --version, --help (-h) and
// --list-skins, each alone; "--" ends the options; every other word is a file to open.
LaunchRequest parseLaunchArguments(const QStringList& args);

// The usage text of `paginor`.
QString launchUsage();

// Prints what a request other than Window asks for and returns the exit status: 0, or 1 when
// the skins cannot be found, or 2 for a usage mistake. `programFolder` is where the style file
// is looked for first.
int answerLaunch(const LaunchRequest& request, const QString& programFolder);

// Answers `paginor --version` and `paginor --help` before anything of the window system is
// started, so they work without a display; nothing for every other command line.
std::optional<int> answerWithoutDisplay(int argc, const char* const* argv);

// Opens files named on the command line (or by a file manager's "Open with"): one PDF is
// chosen on the split panel as "&Browse" would choose it (one that does not exist is only
// written into TextFile); several files, a folder or a file
// that is not a PDF go to the merge list, in the order given, as a drop would put them there.
// Relative paths are taken from the current folder. Nothing happens without files or without
// the engine.
void openLaunchFiles(FormMain& window, const QStringList& files);

} // namespace paginor
