#pragma once

#include <QWidget>
#include <array>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace paginor {

class Interaction;
class PDFLibrary;
struct Session;

// The split panel `PicCleavo`: the source file, the five split modes and the split button.
// It uses the window's one engine, session texts and interaction; it owns none of them.
class SplitPanel : public QWidget
{
    Q_OBJECT
public:
    SplitPanel(PDFLibrary& engine, Session& session, Interaction& ui, QWidget* parent = nullptr);

    // True while a split runs (from its busy state to its end).
    bool jobRunning() const;

    // The controls, named as the window's designer named them (also their objectName).
    QGroupBox* Frame1 = nullptr; // "Split Options"
    std::array<QRadioButton*, 5> OptionRange{};
    QButtonGroup* OptionRangeGroup = nullptr; // ids 0 to 4, the split mode
    QLineEdit* TextEvery = nullptr;
    QLabel* Label3 = nullptr; // "pages per file"
    QLineEdit* TextFrom = nullptr;
    QLabel* Label5 = nullptr; // "to"
    QLineEdit* TextTo = nullptr;
    QLineEdit* TextCustom = nullptr;
    QLabel* Label2 = nullptr; // "File name:"
    QLineEdit* TextFile = nullptr;
    QPushButton* CmdBrowse = nullptr;
    QPushButton* CmdSplit = nullptr;
    QPushButton* CmdExit = nullptr;
    QLabel* LabelStatu = nullptr;

public Q_SLOTS:
    // Chooses the source file and settles its password.
    void CmdBrowse_Click();
    // Runs the split job; returns when it has ended.
    void CmdSplit_Click();

Q_SIGNALS:
    // "&Exit" was pressed.
    void exitClicked();
    // A split job has ended (after jobRunning() turned false).
    void jobFinished();

private:
    PDFLibrary& m_engine;
    Session& m_session;
    Interaction& m_ui;
    bool m_running = false;
};

} // namespace paginor
