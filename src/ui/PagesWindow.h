// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "split/PageChoice.h"
#include "ui/ThumbnailRenderer.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QSlider;
class QTreeWidget;

namespace paginor {

class PageGrid;

// The window "Pages - <file name>": a file's pages as thumbnails, a zoom slider and the
// bookmarks at the side. The user chooses pages and marks cuts, then hands them to the split
// options or to a merge row with the buttons. It is not modal; it reads the file on its own
// worker thread and never writes anything.
class PagesWindow : public QWidget
{
    Q_OBJECT
public:
    enum class Purpose
    {
        Split,    // "Use as custom pages" and "Use as split points"
        MergeRow, // "Use for this row"
    };

    // Opens `path` with `password` ("" = none). `maker` replaces Qt PDF in tests.
    PagesWindow(const QString& path, const QString& password, Purpose purpose,
                QWidget* parent = nullptr, ThumbnailRenderer::SourceMaker maker = makeQtPdfSource);

    QString path() const { return m_path; }
    // Loads the file again with another password.
    void reload(const QString& password);
    // Shows these texts (a page list; a list of pages to cut after) as the choice and the
    // cuts once the file is loaded.
    void showTexts(const QString& customText, const QString& afterText);

    PageChoice& choice() { return m_choice; }
    // What loading found; Unreadable until it has finished.
    const DocumentFacts& facts() const { return m_facts; }
    bool loaded() const { return m_loaded; }

    PageGrid* grid = nullptr;
    QSlider* zoom = nullptr;
    QTreeWidget* bookmarks = nullptr; // hidden when the file has none
    QLabel* status = nullptr;
    QPushButton* useCustom = nullptr; // Split
    QPushButton* useCuts = nullptr;   // Split
    QPushButton* useRow = nullptr;    // MergeRow

Q_SIGNALS:
    void useAsCustomPages(const QString& text);
    void useAsSplitPoints(const QString& text);
    void useForRow(const QString& text);
    // The file needs a password the window was not given (or a wrong one).
    void passwordNeeded();
    // Loading has ended, well or not.
    void documentLoaded();

private:
    void opened(const DocumentFacts& facts);
    void showBookmarks(const std::vector<BookmarkLevel>& marks);
    void updateStatus();

    QString m_path;
    PageChoice m_choice;
    ThumbnailRenderer m_renderer;
    DocumentFacts m_facts;
    bool m_loaded = false;
    QString m_customText;
    QString m_afterText;
};

} // namespace paginor
