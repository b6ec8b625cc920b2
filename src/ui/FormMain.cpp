// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "ui/FormMain.h"

#include "engine/PDFLibrary.h"
#include "jobs/Messages.h"
#include "settings/Product.h"
#include "settings/SettingsStore.h"
#include "settings/UpdateReminder.h"
#include "ui/CommandBars.h"
#include "ui/DataFiles.h"
#include "ui/FormFlash.h"
#include "ui/HelpWindow.h"
#include "ui/MergePanel.h"
#include "ui/QtPrompter.h"
#include "ui/Resource.h"
#include "ui/SplitPanel.h"
#include "ui/WindowFeedback.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace paginor {

namespace {

// The designed client area, in twips.
constexpr int kClientWidthTwips = 9570;
constexpr int kClientHeightTwips = 6075;

QString withTrailingSeparator(QString folder)
{
    folder = QDir::toNativeSeparators(folder);
    if (!folder.endsWith(QDir::separator()))
        folder += QDir::separator();
    return folder;
}

} // namespace

FormMain::FormMain(FormMainOptions options, QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(QString::fromLatin1(kProductName));
    // Where the designed face is missing, prefer faces of about its width.
    QFont::insertSubstitutions(QStringLiteral("Tahoma"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                QStringLiteral("Noto Sans"), QStringLiteral("DejaVu Sans")});
    setFont(QFont(QStringLiteral("Tahoma"), 9));

    m_openUrl = options.openUrl ? options.openUrl : desktopUrlOpener();
    if (options.prompter) {
        m_prompter = options.prompter;
    } else {
        m_ownPrompter = std::make_unique<QtPrompter>(this);
        m_prompter = m_ownPrompter.get();
    }
    m_splitFeedback = std::make_unique<WindowFeedback>();
    m_mergeFeedback = std::make_unique<WindowFeedback>();

    m_programFolder = withTrailingSeparator(options.programFolder.isEmpty()
                                                ? QCoreApplication::applicationDirPath()
                                                : options.programFolder);
    createEngine(options);
    buildWindow();
    LabelStatu->clear();
    if (m_split)
        m_split->restoreRemembered();

    if (const std::optional<int> skin = settingToInt(ReadSetting(QStringLiteral("Skin"))))
        m_skinNumber = *skin;
    m_commandBars = new CommandBars(
        this, [this](int id) { CommandBars1_Execute(id); },
        [this](int id, QAction* action) { CommandBars1_Update(id, action); });
    m_skin.attach(this);
    applySkin();
    TabStrip1->setCurrentIndex(0);
    TabStrip1_Click(1);
    runUpdateReminder();
    // The first thing to do is to name the source; the focus waits there once the window shows.
    if (m_split)
        m_split->TextFile->setFocus();
}

FormMain::~FormMain()
{
    // The panels hold references to the engine: they go first.
    delete m_split;
    delete m_merge;
    m_split = nullptr;
    m_merge = nullptr;
    m_engine.reset();
}

void FormMain::createEngine(const FormMainOptions& options)
{
    try {
        m_engine = options.createEngine ? options.createEngine() : std::make_unique<PDFLibrary>();
    } catch (...) {
        m_engine.reset();
    }
    if (!m_engine)
        m_prompter->message(shownText(kMsgEngineUnavailable), UserQuestions::Icon::Critical,
                            shownText(kTitleError));
}

void FormMain::buildWindow()
{
    auto* client = new QWidget;
    client->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(client);

    TabStrip1 = new QTabWidget(client);
    TabStrip1->setObjectName(QStringLiteral("TabStrip1"));
    TabStrip1->addTab(new QWidget, tr("Cleavo"));
    TabStrip1->addTab(new QWidget, tr("Merger"));

    if (m_engine) {
        m_split = new SplitPanel(*m_engine, m_session, {*m_prompter, *m_splitFeedback}, client);
        m_merge = new MergePanel(*m_engine, m_session, {*m_prompter, *m_mergeFeedback}, client);
        PicCleavo = m_split;
        PicMerger = m_merge;
        LabelStatu = m_split->LabelStatu;
        m_splitFeedback->setWidgets(m_split, TabStrip1, LabelStatu, m_merge->ProgressBar1);
        m_mergeFeedback->setWidgets(m_merge, TabStrip1, LabelStatu, m_merge->ProgressBar1);
        connect(m_split, &SplitPanel::exitClicked, this, &QWidget::close);
        connect(m_merge, &MergePanel::exitClicked, this, &QWidget::close);
        connect(m_split, &SplitPanel::jobFinished, this, &FormMain::jobEnded);
        connect(m_merge, &MergePanel::jobFinished, this, &FormMain::jobEnded);
        // A job of either panel holds the engine: neither panel takes drops meanwhile.
        m_split->setDropsAllowed([this] { return !jobRunning(); });
        m_merge->setDropsAllowed([this] { return !jobRunning(); });
    } else {
        PicCleavo = unavailablePanel("PicCleavo", "CmdExit");
        PicMerger = unavailablePanel("PicMerger", "CmdExit2");
        LabelStatu = PicCleavo->findChild<QLabel*>(QStringLiteral("LabelStatu"));
    }
    // Both panels are borderless and lie over the tab strip, which shows through them.
    PicCleavo->raise();
    PicMerger->raise();

    connect(TabStrip1, &QTabWidget::currentChanged, this,
            [this](int index) { TabStrip1_Click(index + 1); });
    client->installEventFilter(this);

    setFixedSize(twipsToPixels(kClientWidthTwips), twipsToPixels(kClientHeightTwips));
    if (QScreen* s = screen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(s->availableGeometry().center());
        move(frame.topLeft());
    }
}

QWidget* FormMain::unavailablePanel(const char* name, const char* exitName)
{
    auto* panel = new QWidget(centralWidget());
    panel->setObjectName(QString::fromLatin1(name));
    auto* note = new QLabel(tr("The PDF engine is not available."), panel);
    note->setObjectName(QStringLiteral("LabelStatu"));
    QFont bold = note->font();
    bold.setBold(true);
    note->setFont(bold);
    auto* exit = new QPushButton(tr("&Exit"), panel);
    exit->setObjectName(QString::fromLatin1(exitName));
    exit->setAutoDefault(true); // Enter presses it, as Space does
    auto* column = new QVBoxLayout(panel);
    column->addWidget(note);
    column->addStretch(1);
    column->addWidget(exit, 0, Qt::AlignRight);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
    return panel;
}

void FormMain::layoutPanels()
{
    QWidget* client = centralWidget();
    if (!client)
        return;
    const QRect area = client->geometry(); // in window coordinates, below the menu bar
    m_placement = arrangePanels(area.left() * kTwipsPerPixel, area.top() * kTwipsPerPixel,
                                (area.left() + area.width()) * kTwipsPerPixel,
                                (area.top() + area.height()) * kTwipsPerPixel, m_placement);
    const QRect strip = toPixels(m_placement.tabStrip).translated(-area.topLeft());
    const QRect panels = toPixels(m_placement.panels).translated(-area.topLeft());
    TabStrip1->setGeometry(strip);
    // The panels reach below the window's bottom edge; keep their controls above it.
    const int hidden = qMax(0, panels.bottom() - client->height() + 1);
    for (QWidget* panel : {PicCleavo, PicMerger}) {
        panel->setGeometry(panels);
        panel->setContentsMargins(0, 0, 0, hidden);
    }
}

void FormMain::TabStrip1_Click(int index)
{
    if (index == 1) {
        PicCleavo->setVisible(true);
        PicMerger->setVisible(false);
    } else if (index == 2) {
        PicCleavo->setVisible(false);
        PicMerger->setVisible(true);
    }
}

void FormMain::setSkinNumber(int skin)
{
    m_skinNumber = skin;
    applySkin();
}

void FormMain::applySkin()
{
    const QString scheme = skinSchemeName(m_skinNumber);
    if (scheme.isEmpty())
        m_skin.loadSkin(QString(), QString());
    else
        m_skin.loadSkin(findStyleFile(m_programFolder), scheme);
}

void FormMain::openWebSite()
{
    m_openUrl(makerWebSite());
}

void FormMain::runUpdateReminder()
{
    const QLocale locale;
    const QDate today = QDate::currentDate();
    if (!reminderDue(ReadSetting(QStringLiteral("LastCheckUpdate")), locale, today))
        return;
    const UserQuestions::Reply answer =
        m_prompter->message(shownText(kReminderQuestion), UserQuestions::Icon::Question,
                            QString::fromLatin1(kProductName), UserQuestions::Buttons::YesNo);
    if (answer == UserQuestions::Reply::Yes)
        openWebSite();
    WriteSetting(QStringLiteral("LastCheckUpdate"), formatReminderDate(today, locale));
}

void FormMain::CommandBars1_Execute(int id)
{
    if (const std::optional<int> skin = skinOfCommand(id)) {
        setSkinNumber(*skin);
        return;
    }
    switch (id) {
    case ID_PAGINORHELP:
    case ID_CONTENTS:
        openHelp();
        break;
    case ID_ABOUT:
        showAbout();
        break;
    case ID_Exit:
        close();
        break;
    case ID_OPEN:
        // A running job still uses the engine, the source and its password.
        if (m_split && !jobRunning())
            m_split->CmdBrowse_Click();
        break;
    case ID_CONVERT:
        if (m_split && !jobRunning())
            m_split->CmdSplit_Click();
        break;
    case ID_MOREPDFFREEWARE:
        openWebSite();
        break;
    default:
        break;
    }
}

void FormMain::CommandBars1_Update(int id, QAction* action)
{
    if (const std::optional<bool> checked = skinCheckState(id, m_skinNumber))
        action->setChecked(*checked);
}

void FormMain::openHelp()
{
    // One help window, shown again (not made anew) each time it is asked for.
    if (!m_help)
        m_help = new HelpWindow(this);
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

HelpWindow* FormMain::helpWindow() const
{
    return m_help;
}

void FormMain::showAbout()
{
    m_aboutFlag = 1;
    FormFlash about(this, m_aboutFlag, m_openUrl);
    Q_EMIT aboutWindowOpening(&about);
    about.exec();
}

bool FormMain::jobRunning() const
{
    return (m_split && m_split->jobRunning()) || (m_merge && m_merge->jobRunning());
}

void FormMain::closeEvent(QCloseEvent* event)
{
    // The running job still uses the engine and the panel: close once it has ended.
    if (jobRunning()) {
        m_closePending = true;
        event->ignore();
        return;
    }
    unload();
    event->accept();
}

void FormMain::unload()
{
    WriteSetting(QStringLiteral("Skin"), QString::number(m_skinNumber));
    if (m_split)
        m_split->remember();
}

void FormMain::jobEnded()
{
    if (m_closePending && !jobRunning()) {
        m_closePending = false;
        QTimer::singleShot(0, this, &QWidget::close);
    }
}

bool FormMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == centralWidget() && event->type() == QEvent::Resize)
        layoutPanels();
    return QMainWindow::eventFilter(watched, event);
}

} // namespace paginor
