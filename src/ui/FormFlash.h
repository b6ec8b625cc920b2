// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "ui/WebLink.h"

#include <QDialog>
#include <QLabel>
#include <QPointer>

class QTimer;

namespace paginor {

// A label that takes clicks itself, so they never reach the window beneath it.
class ClickLabel : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// The borderless picture window with the version, the copyright line and the web address.
// With the about flag set it is the About window: it closes after 50 seconds or at a click
// outside its labels. With the flag clear it is a splash: it closes after 1.5 seconds or at
// a click, and its closing shows `mainWindow`. Each opening is a new window.
class FormFlash : public QDialog
{
    Q_OBJECT
public:
    // `mainWindow` owns the window in About use and is shown at the end of splash use.
    FormFlash(QWidget* mainWindow, int aboutFlag, UrlOpener openUrl);

    ClickLabel* LabelVer = nullptr;
    ClickLabel* LabelLicense = nullptr;
    ClickLabel* LabelCopyright = nullptr;
    ClickLabel* Label1 = nullptr; // the web address; a click opens the site
    QTimer* Timer1 = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void done(int result) override;

private:
    void finish();

    QPointer<QWidget> m_mainWindow;
    int m_aboutFlag;
    UrlOpener m_openUrl;
    bool m_finished = false;
};

} // namespace paginor
