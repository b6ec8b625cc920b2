// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "jobs/Session.h"
#include "ui/PanelLayout.h"
#include "ui/SkinEngine.h"
#include "ui/WebLink.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>

class QAction;
class QLabel;
class QTabWidget;

namespace paginor {

class CommandBars;
class FormFlash;
class HelpWindow;
class MergePanel;
class PDFLibrary;
class QtPrompter;
class SplitPanel;
class UserQuestions;
class WindowFeedback;

// What the window takes from outside; every field has a working default.
struct FormMainOptions
{
    // The folder of skin.styles and help.chm; "" = the executable's folder.
    QString programFolder;
    // Answers every dialog and message; nullptr = the real dialogs.
    UserQuestions* prompter = nullptr;
    // Opens web addresses and files with the desktop; empty = QDesktopServices.
    UrlOpener openUrl;
    // Makes the one engine; empty = a plain PDFLibrary. Returning null or throwing counts as
    // the engine not being available.
    std::function<std::unique_ptr<PDFLibrary>()> createEngine;
};

// The main window "Paginor": the tab strip, the split and merge panels, the skin and the
// update reminder. It owns the one engine for its whole life. Loading happens in the
// constructor (the reminder question is asked before the window is first shown); unloading
// happens when the window closes, which it does only while no job runs.
class FormMain : public QMainWindow
{
    Q_OBJECT
public:
    explicit FormMain(FormMainOptions options = {}, QWidget* parent = nullptr);
    ~FormMain() override;

    // The program folder, always ending in the native separator.
    QString programFolder() const { return m_programFolder; }

    // The engine, or nullptr when it could not be created.
    PDFLibrary* engine() const { return m_engine.get(); }
    Session& session() { return m_session; }

    // The current skin number (0 to 5 are the skins; others mean no skin).
    int skinNumber() const { return m_skinNumber; }
    // Sets the skin number and applies it, also when it is already current.
    void setSkinNumber(int skin);
    // Loads the skin of the current skin number.
    void applySkin();
    SkinEngine& skinEngine() { return m_skin; }

    // Opens the maker's web site in the browser.
    void openWebSite();

    // True while a split or merge is running; closing waits for it.
    bool jobRunning() const;

    // The menus and command actions.
    CommandBars* commandBars() const { return m_commandBars; }
    // 0 until the About window was first opened, then 1.
    int aboutFlag() const { return m_aboutFlag; }
    // The help window, once ID_PAGINORHELP (F1) or ID_CONTENTS has opened it; nullptr before.
    HelpWindow* helpWindow() const;

    // The panels; either is nullptr when the engine could not be created.
    SplitPanel* splitPanel() const { return m_split; }
    MergePanel* mergePanel() const { return m_merge; }

    // The controls that sit on the window itself.
    QTabWidget* TabStrip1 = nullptr;
    QWidget* PicCleavo = nullptr;
    QWidget* PicMerger = nullptr;
    QLabel* LabelStatu = nullptr; // the split panel's status label

public Q_SLOTS:
    // Shows the panel of tab `index` (1 = "Cleavo", 2 = "Merger"); other indexes do nothing.
    void TabStrip1_Click(int index);
    // Runs a command by number (see Resource.h); unknown numbers do nothing. The About window
    // and the split handlers run inside the call. ID_OPEN and ID_CONVERT do nothing while a
    // job runs.
    void CommandBars1_Execute(int id);
    // Sets the check mark of a skin command's action for the current skin number; other
    // commands are left alone.
    void CommandBars1_Update(int id, QAction* action);

Q_SIGNALS:
    // The About window is about to be shown modally.
    void aboutWindowOpening(FormFlash* window);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createEngine(const FormMainOptions& options);
    void buildWindow();
    QWidget* unavailablePanel(const char* name, const char* exitName);
    void layoutPanels();
    void runUpdateReminder();
    void unload();
    void openHelp();
    void showAbout();
    void jobEnded();

    QString m_programFolder;
    UrlOpener m_openUrl;
    std::unique_ptr<QtPrompter> m_ownPrompter;
    UserQuestions* m_prompter = nullptr;
    std::unique_ptr<WindowFeedback> m_splitFeedback;
    std::unique_ptr<WindowFeedback> m_mergeFeedback;
    std::unique_ptr<PDFLibrary> m_engine;
    Session m_session;
    SkinEngine m_skin;
    int m_skinNumber = 0;
    SplitPanel* m_split = nullptr;
    MergePanel* m_merge = nullptr;
    PanelPlacement m_placement;
    CommandBars* m_commandBars = nullptr;
    int m_aboutFlag = 0;
    QPointer<HelpWindow> m_help;
    bool m_closePending = false;
};

} // namespace paginor
