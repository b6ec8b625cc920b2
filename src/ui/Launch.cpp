// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "ui/Launch.h"

#include "merge/MergeList.h"
#include "settings/Product.h"
#include "ui/DataFiles.h"
#include "ui/FormMain.h"
#include "ui/MergePanel.h"
#include "ui/SkinEngine.h"
#include "ui/SplitPanel.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QTabWidget>
#include <cstdio>

namespace paginor {

namespace {

void print(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

LaunchRequest only(LaunchRequest::Kind kind)
{
    LaunchRequest request;
    request.kind = kind;
    return request;
}

} // namespace

LaunchRequest parseLaunchArguments(const QStringList& args)
{
    if (args.size() == 1) {
        const QString& word = args.first();
        if (word == QLatin1String("--version"))
            return only(LaunchRequest::Kind::Version);
        if (word == QLatin1String("--help") || word == QLatin1String("-h"))
            return only(LaunchRequest::Kind::Help);
        if (word == QLatin1String("--list-skins"))
            return only(LaunchRequest::Kind::ListSkins);
    }
    LaunchRequest request;
    bool optionsEnded = false;
    for (const QString& word : args) {
        if (!optionsEnded && word == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && word.startsWith(u'-') && word.size() > 1) {
            request.kind = LaunchRequest::Kind::Usage;
            request.error = QStringLiteral("unknown option or one that must stand alone: ") + word;
            request.files.clear();
            return request;
        }
        request.files << word;
    }
    return request;
}

QString launchUsage()
{
    return QStringLiteral("Usage:\n"
                          "  paginor [FILE.pdf ...]   open the window; one PDF is chosen for\n"
                          "                           splitting, several go to the merge list\n"
                          "  paginor --list-skins     show the skins and where they come from\n"
                          "  paginor --help | --version\n");
}

int answerLaunch(const LaunchRequest& request, const QString& programFolder)
{
    switch (request.kind) {
    case LaunchRequest::Kind::Version:
        print(stdout,
              QStringLiteral("%1 %2\nLicense: %3\n")
                  .arg(QString::fromLatin1(kProductName), QString::fromLatin1(kProductVersion),
                       QString::fromLatin1(kLicenseId)));
        return 0;
    case LaunchRequest::Kind::Help:
        print(stdout, launchUsage());
        return 0;
    case LaunchRequest::Kind::ListSkins: {
        const QString styles = findStyleFile(programFolder);
        print(stdout, QStringLiteral("Style file: %1\n").arg(styles));
        int missing = 0;
        for (int skin = 0; skin <= 4; ++skin) {
            SkinScheme scheme;
            const bool found = readSkinScheme(styles, skinSchemeName(skin), scheme);
            missing += found ? 0 : 1;
            print(stdout, QStringLiteral("%1 %2: %3\n")
                              .arg(skin)
                              .arg(skinSchemeName(skin),
                                   found ? QStringLiteral("found") : QStringLiteral("missing")));
        }
        return missing == 0 ? 0 : 1;
    }
    case LaunchRequest::Kind::Usage:
        print(stderr, QStringLiteral("paginor: %1\n\n").arg(request.error) + launchUsage());
        return 2;
    case LaunchRequest::Kind::Window:
        break;
    }
    return 0;
}

std::optional<int> answerWithoutDisplay(int argc, const char* const* argv)
{
    if (argc != 2)
        return std::nullopt;
    const LaunchRequest request = parseLaunchArguments({QString::fromLocal8Bit(argv[1])});
    if (request.kind != LaunchRequest::Kind::Version && request.kind != LaunchRequest::Kind::Help)
        return std::nullopt;
    return answerLaunch(request, QString());
}

void openLaunchFiles(FormMain& window, const QStringList& files)
{
    if (files.isEmpty() || !window.splitPanel() || !window.mergePanel())
        return;
    QStringList paths;
    for (const QString& f : files)
        paths << QDir::toNativeSeparators(QFileInfo(f).absoluteFilePath());
    const QFileInfo first(paths.first());
    if (paths.size() == 1 && !first.isDir() && MergeList::HasPdfExtension(first.fileName())) {
        window.TabStrip1->setCurrentIndex(0);
        // A name that is no file is only filled in: "&Split" then says what is wrong, where
        // the password check would ask for a password of a file that is not there.
        if (first.isFile())
            window.splitPanel()->openSource(paths.first());
        else
            window.splitPanel()->TextFile->setText(paths.first());
        return;
    }
    window.TabStrip1->setCurrentIndex(1);
    window.mergePanel()->addPaths(paths);
}

} // namespace paginor
