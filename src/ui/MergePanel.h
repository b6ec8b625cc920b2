#pragma once

#include <QWidget>

class QProgressBar;
class QPushButton;
class QTreeWidget;

namespace paginor {

class Interaction;
class PDFLibrary;
struct Session;

// The merge panel `PicMerger`: the ordered list of PDFs to join and the buttons around it.
// It uses the window's one engine, session texts and interaction; it owns none of them.
class MergePanel : public QWidget
{
    Q_OBJECT
public:
    MergePanel(PDFLibrary& engine, Session& session, Interaction& ui, QWidget* parent = nullptr);

    // True while a merge runs.
    bool jobRunning() const;

    // The controls, named as the window's designer named them (also their objectName).
    QTreeWidget* LvPDF = nullptr; // columns "No.", "File Name", "Path", "File Size"
    QPushButton* CmdAdd = nullptr;
    QPushButton* CmdRemove = nullptr;
    QPushButton* CmdUp = nullptr;
    QPushButton* CmdDown = nullptr;
    QPushButton* CmdMerge = nullptr;
    QPushButton* CmdExit2 = nullptr;
    QProgressBar* ProgressBar1 = nullptr; // hidden unless a merge runs

public Q_SLOTS:
    // Asks for PDFs and appends them to the list.
    void CmdAdd_Click();
    // Joins the listed files into one chosen output file; returns when it has ended.
    void CmdMerge_Click();

Q_SIGNALS:
    // "&Exit" was pressed.
    void exitClicked();
    // A merge job has ended (after jobRunning() turned false).
    void jobFinished();

private:
    PDFLibrary& m_engine;
    Session& m_session;
    Interaction& m_ui;
    bool m_running = false;
};

} // namespace paginor
