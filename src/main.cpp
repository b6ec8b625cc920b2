// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "settings/Language.h"
#include "ui/FormMain.h"
#include "ui/Launch.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv)
{
    if (const std::optional<int> status = paginor::answerWithoutDisplay(argc, argv))
        return *status;
    QApplication app(argc, argv);
    paginor::useLanguage(QLocale::system());
    QApplication::setApplicationName(QStringLiteral("Paginor"));
    QApplication::setOrganizationName(QStringLiteral("Velmora Software"));
    const paginor::LaunchRequest launch =
        paginor::parseLaunchArguments(QApplication::arguments().mid(1));
    if (launch.kind != paginor::LaunchRequest::Kind::Window)
        return paginor::answerLaunch(launch, QApplication::applicationDirPath());
    paginor::FormMain window;
    window.show();
    // Once the window (and any update question before it) is up.
    QTimer::singleShot(0, &window,
                       [&window, &launch] { paginor::openLaunchFiles(window, launch.files); });
    return app.exec();
}
