// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <QWidget>

class QTextBrowser;
class QTreeWidget;

namespace paginor {

// "Paginor Help": the manual, compiled into the program, with a contents list beside it. It is
// an ordinary window, not modal, closed with Esc or Ctrl+W; the main window keeps one and shows
// it again when asked. Its colours follow the application's palette, so a skin change restyles
// the manual at once.
class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* owner = nullptr);

    // Scrolls the manual to the section with this anchor and marks it in the contents list;
    // an unknown anchor does nothing.
    void showSection(const QString& anchor);

    // The manual's text as shown, without markup.
    QString plainText() const;

    // The style sheet the manual is laid out with, made from the current palette.
    QString manualStyleSheet() const;

    QTreeWidget* contents() const { return m_contents; }
    QTextBrowser* browser() const { return m_browser; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void loadManual();
    void fillContents();

    QTreeWidget* m_contents = nullptr;
    QTextBrowser* m_browser = nullptr;
};

} // namespace paginor
