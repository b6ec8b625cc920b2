// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "split/SplitJob.h"

#include <QHash>
#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace paginor {

class FileDropTarget;
class PagesWindow;
class PDFLibrary;
class SplitSummaryView;
struct Session;

// The split panel `PicCleavo`: the source file, the eight split modes and the split button.
// It uses the window's one engine, session texts and interaction; it owns none of them.
class SplitPanel : public QWidget
{
    Q_OBJECT
public:
    SplitPanel(PDFLibrary& engine, Session& session, JobSeam seam, QWidget* parent = nullptr);
    ~SplitPanel() override;

    // True while a split or "&Browse" runs; both use the engine and may let events through.
    bool jobRunning() const;

    // The mode and box texts as the panel shows them.
    SplitOptions options() const;

    // Selects the split mode and fills the size box as the settings `SplitMode` and `SplitSize`
    // remember them; leaves the defaults where a setting is missing or not valid.
    void restoreRemembered();
    // Stores the selected mode and the size box's text under those settings.
    void remember() const;

    // The drop target that takes one PDF dropped anywhere on the panel.
    FileDropTarget* dropTarget() const { return m_drop; }
    // Decides whether drops are taken now (by default: while nothing runs here).
    void setDropsAllowed(std::function<bool()> allowed);

    // The controls, named as the window's designer named them (also their objectName).
    QGroupBox* Frame1 = nullptr; // "Split Options"
    std::array<QRadioButton*, 8> OptionRange{};
    QButtonGroup* OptionRangeGroup = nullptr; // ids 0 to 7, the split mode
    QLineEdit* TextEvery = nullptr;
    QLabel* Label3 = nullptr; // "pages per file"
    QLineEdit* TextFrom = nullptr;
    QLabel* Label5 = nullptr; // "to"
    QLineEdit* TextTo = nullptr;
    QLineEdit* TextCustom = nullptr;
    QPushButton* CmdPages = nullptr; // "Pa&ges...", right of TextCustom
    QLineEdit* TextLevel = nullptr;
    QLineEdit* TextAfter = nullptr; // "Split after pages"
    QLineEdit* TextSize = nullptr;  // "Split into files of at most" [N] "MB"
    QLabel* LabelMegabytes = nullptr;
    QLabel* Label2 = nullptr; // "File name:"
    QLineEdit* TextFile = nullptr;
    QPushButton* CmdBrowse = nullptr;
    QPushButton* CmdSplit = nullptr;
    QPushButton* CmdExit = nullptr;
    QLabel* LabelStatu = nullptr;
    QLabel* LabelSummary = nullptr; // what "&Split" will write (see SplitSummaryView)

public Q_SLOTS:
    // Chooses the source file and settles its password; ignored while jobRunning().
    void CmdBrowse_Click();
    // Runs the split job; returns when it has ended; ignored while jobRunning().
    void CmdSplit_Click();
    // Takes `path` as the source the way "&Browse" takes the file its dialog returns: into
    // TextFile, then the password check and prompt. Ignored while jobRunning().
    void openSource(const QString& path);
    // "Pa&ges...": the page window of the source in TextFile, raised when it is already open.
    // Without an existing source it says "Please select the source file". A protected source
    // opens with the password already given; when that is missing, the window asks for it.
    void CmdPages_Click();

public:
    // The open page window of `path`, or null.
    PagesWindow* pagesWindow(const QString& path) const;

Q_SIGNALS:
    // "&Exit" was pressed.
    void exitClicked();
    // A split or "&Browse" has ended (after jobRunning() turned false).
    void jobFinished();

protected:
    // The option boxes' keystroke filter and focus behaviour.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showOptions(const SplitOptions& options);
    QLineEdit* box(OptionField field) const;

    void askPagesPassword(PagesWindow* window);

    SplitJob m_job;
    Session& m_session;
    UserQuestions& m_ask;
    QHash<QString, QPointer<PagesWindow>> m_pages; // one window per source
    SplitSummaryView* m_summary = nullptr;
    FileDropTarget* m_drop = nullptr;
};

} // namespace paginor
