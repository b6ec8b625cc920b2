// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "ui/SplitPanel.h"
#include "ui/SplitSummaryView.h"

#include "jobs/Messages.h"
#include "jobs/Session.h"
#include "settings/SettingsStore.h"
#include "ui/FileDropTarget.h"
#include "ui/PagesWindow.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace paginor {

namespace {

template <typename T> T* named(T* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLineEdit* numberBox(const char* name, const char* text)
{
    auto* box = named(new QLineEdit(QString::fromLatin1(text)), name);
    box->setMaximumWidth(64);
    return box;
}

} // namespace

SplitPanel::SplitPanel(PDFLibrary& engine, Session& session, JobSeam seam, QWidget* parent)
    : QWidget(parent), m_job(engine, session, seam), m_session(session), m_ask(seam.questions)
{
    setObjectName(QStringLiteral("PicCleavo"));

    Label2 = named(new QLabel(tr("File name:")), "Label2");
    TextFile = named(new QLineEdit, "TextFile");
    CmdBrowse = named(new QPushButton(tr("&Browse")), "CmdBrowse");
    Label2->setBuddy(TextFile);

    Frame1 = named(new QGroupBox(tr("Split Options")), "Frame1");
    OptionRangeGroup = new QButtonGroup(this);
    const char* captions[] = {QT_TR_NOOP("Every"),
                              QT_TR_NOOP("Save page range: from"),
                              QT_TR_NOOP("Save odd pages"),
                              QT_TR_NOOP("Save even pages"),
                              QT_TR_NOOP("Save custom pages:"),
                              QT_TR_NOOP("Split at bookmarks of level"),
                              QT_TR_NOOP("Split after pages"),
                              QT_TR_NOOP("Split into files of at most")};
    for (int i = 0; i < int(OptionRange.size()); ++i) {
        OptionRange[i] = new QRadioButton(tr(captions[i]));
        OptionRange[i]->setObjectName(QStringLiteral("OptionRange_%1").arg(i));
        OptionRangeGroup->addButton(OptionRange[i], i);
    }
    OptionRange[1]->setChecked(true);

    TextEvery = numberBox("TextEvery", "10");
    Label3 = named(new QLabel(tr("pages per file")), "Label3");
    TextFrom = numberBox("TextFrom", "1");
    Label5 = named(new QLabel(tr("to")), "Label5");
    TextTo = numberBox("TextTo", "10");
    TextCustom = named(new QLineEdit(QStringLiteral("1,3,10-25,30-47")), "TextCustom");
    CmdPages = named(new QPushButton(tr("Pa&ges...")), "CmdPages");
    TextLevel = numberBox("TextLevel", "1");
    TextAfter = named(new QLineEdit(QStringLiteral("5,12,40")), "TextAfter");
    TextSize = numberBox("TextSize", "10");
    LabelMegabytes = named(new QLabel(tr("MB")), "LabelMegabytes");

    auto* options = new QGridLayout(Frame1);
    options->setHorizontalSpacing(8);
    options->setVerticalSpacing(6);
    options->addWidget(OptionRange[0], 0, 0);
    options->addWidget(TextEvery, 0, 1);
    options->addWidget(Label3, 0, 2, 1, 3);
    options->addWidget(OptionRange[1], 1, 0);
    options->addWidget(TextFrom, 1, 1);
    options->addWidget(Label5, 1, 2);
    options->addWidget(TextTo, 1, 3);
    options->addWidget(OptionRange[2], 2, 0, 1, 5);
    options->addWidget(OptionRange[3], 3, 0, 1, 5);
    options->addWidget(OptionRange[4], 4, 0);
    // The box gives up the room the button takes, so nothing else moves.
    auto* customRow = new QHBoxLayout;
    customRow->setSpacing(6);
    customRow->addWidget(TextCustom, 1);
    customRow->addWidget(CmdPages);
    options->addLayout(customRow, 4, 1, 1, 4);
    options->addWidget(OptionRange[5], 5, 0);
    options->addWidget(TextLevel, 5, 1);
    options->addWidget(OptionRange[6], 6, 0);
    options->addWidget(TextAfter, 6, 1, 1, 4);
    options->addWidget(OptionRange[7], 7, 0);
    options->addWidget(TextSize, 7, 1);
    options->addWidget(LabelMegabytes, 7, 2, 1, 3);
    options->setColumnStretch(4, 1);

    CmdSplit = named(new QPushButton(tr("&Split")), "CmdSplit");
    CmdExit = named(new QPushButton(tr("&Exit")), "CmdExit");
    LabelStatu = named(new QLabel(QStringLiteral("...")), "LabelStatu");
    QFont bold = LabelStatu->font();
    bold.setBold(true);
    LabelStatu->setFont(bold);
    LabelStatu->setMinimumWidth(200);

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(Label2);
    fileRow->addWidget(TextFile, 1);
    fileRow->addWidget(CmdBrowse);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(LabelStatu, 1);
    buttonRow->addWidget(CmdSplit);
    buttonRow->addWidget(CmdExit);

    m_summary = new SplitSummaryView(*this, session);
    LabelSummary = m_summary->label();

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(12, 10, 12, 10);
    column->setSpacing(10);
    column->addLayout(fileRow);
    column->addWidget(Frame1);
    column->addWidget(LabelSummary);
    column->addStretch(1);
    column->addLayout(buttonRow);

    for (QPushButton* b : {CmdBrowse, CmdSplit, CmdExit}) {
        b->setMinimumWidth(88);
        b->setAutoDefault(true); // Enter presses the focused button, as Space does
    }

    connect(CmdBrowse, &QPushButton::clicked, this, &SplitPanel::CmdBrowse_Click);
    connect(CmdSplit, &QPushButton::clicked, this, &SplitPanel::CmdSplit_Click);
    connect(CmdExit, &QPushButton::clicked, this, &SplitPanel::exitClicked);
    connect(CmdPages, &QPushButton::clicked, this, &SplitPanel::CmdPages_Click);

    // What the job rewrites shows before it asks anything, not only once it has ended.
    m_job.setInputsShown([this](const QString& file, const SplitOptions* shown) {
        if (TextFile->text() != file)
            TextFile->setText(file);
        if (shown)
            showOptions(*shown);
    });

    for (QLineEdit* edit :
         {TextEvery, TextFrom, TextTo, TextCustom, TextLevel, TextAfter, TextSize}) {
        // Composed input would slip past the keystroke filter.
        edit->setAttribute(Qt::WA_InputMethodEnabled, false);
        edit->installEventFilter(this);
    }

    m_drop = new FileDropTarget(
        this, [this] { return !jobRunning(); }, [this](const QString& path) { openSource(path); });
}

SplitPanel::~SplitPanel()
{
    // Closing the window moves the focus out of TextFile while the panel is half destroyed;
    // the summary must not hear of it then.
    delete m_summary;
    m_summary = nullptr;
}

void SplitPanel::setDropsAllowed(std::function<bool()> allowed)
{
    m_drop->setAllowed(std::move(allowed));
}

void SplitPanel::openSource(const QString& path)
{
    if (m_job.running())
        return;
    QString textFile = TextFile->text();
    m_job.useSource(path, textFile);
    TextFile->setText(textFile);
    Q_EMIT jobFinished();
}

bool SplitPanel::jobRunning() const
{
    return m_job.running();
}

SplitOptions SplitPanel::options() const
{
    SplitOptions o;
    o.mode = SplitMode(std::clamp(OptionRangeGroup->checkedId(), 0, int(OptionRange.size()) - 1));
    o.TextEvery = TextEvery->text();
    o.TextFrom = TextFrom->text();
    o.TextTo = TextTo->text();
    o.TextCustom = TextCustom->text();
    o.TextLevel = TextLevel->text();
    o.TextAfter = TextAfter->text();
    o.TextSize = TextSize->text();
    return o;
}

void SplitPanel::restoreRemembered()
{
    const std::optional<int> mode = settingToInt(ReadSetting(QStringLiteral("SplitMode")));
    if (mode && *mode >= 0 && *mode < int(OptionRange.size()))
        OptionRange[size_t(*mode)]->setChecked(true);
    const QString size = ReadSetting(QStringLiteral("SplitSize"));
    if (sizeLimitBytes(size) > 0)
        TextSize->setText(size.trimmed());
}

void SplitPanel::remember() const
{
    WriteSetting(QStringLiteral("SplitMode"), QString::number(OptionRangeGroup->checkedId()));
    WriteSetting(QStringLiteral("SplitSize"), TextSize->text());
}

void SplitPanel::showOptions(const SplitOptions& o)
{
    // Only rewrite what changed, so the caret and selection of the others stay.
    const std::pair<QLineEdit*, QString> boxes[] = {{TextEvery, o.TextEvery},
                                                    {TextFrom, o.TextFrom},
                                                    {TextTo, o.TextTo},
                                                    {TextLevel, o.TextLevel}};
    for (const auto& [edit, text] : boxes)
        if (edit->text() != text)
            edit->setText(text);
}

QLineEdit* SplitPanel::box(OptionField field) const
{
    switch (field) {
    case OptionField::TextEvery:
        return TextEvery;
    case OptionField::TextFrom:
        return TextFrom;
    case OptionField::TextTo:
        return TextTo;
    case OptionField::TextCustom:
        return TextCustom;
    case OptionField::TextLevel:
        return TextLevel;
    case OptionField::TextAfter:
        return TextAfter;
    case OptionField::TextSize:
        return TextSize;
    case OptionField::None:
        break;
    }
    return nullptr;
}

void SplitPanel::CmdBrowse_Click()
{
    if (m_job.running())
        return;
    QString textFile = TextFile->text();
    m_job.CmdBrowse_Click(textFile);
    TextFile->setText(textFile);
    Q_EMIT jobFinished();
}

void SplitPanel::CmdSplit_Click()
{
    if (m_job.running())
        return;
    SplitRequest request;
    request.TextFile = TextFile->text();
    request.options = options();
    m_job.run(request);
    TextFile->setText(request.TextFile);
    showOptions(request.options);
    if (QLineEdit* target = box(request.focus))
        target->setFocus(Qt::OtherFocusReason);
    Q_EMIT jobFinished();
}

PagesWindow* SplitPanel::pagesWindow(const QString& path) const
{
    return m_pages.value(path).data();
}

void SplitPanel::CmdPages_Click()
{
    const QString source = TextFile->text().trimmed();
    if (!SplitJob::isSource(source)) {
        m_ask.message(shownText(kMsgSelectSource), UserQuestions::Icon::Critical,
                      shownText(kTitleError));
        return;
    }
    if (PagesWindow* open = pagesWindow(source)) {
        open->showNormal();
        open->raise();
        open->activateWindow();
        return;
    }
    const QString password = m_session.SourcePasswordFile.compare(source, Qt::CaseInsensitive) == 0
                                 ? m_session.SourcePassword
                                 : QString();
    auto* window = new PagesWindow(source, password, PagesWindow::Purpose::Split, this);
    window->showTexts(TextCustom->text(), TextAfter->text());
    m_pages.insert(source, window);
    connect(window, &PagesWindow::useAsCustomPages, this, [this](const QString& text) {
        TextCustom->setText(text);
        OptionRange[size_t(SplitMode::CustomPages)]->setChecked(true);
    });
    connect(window, &PagesWindow::useAsSplitPoints, this, [this](const QString& text) {
        TextAfter->setText(text);
        OptionRange[size_t(SplitMode::AfterPages)]->setChecked(true);
    });
    connect(window, &PagesWindow::passwordNeeded, this,
            [this, window] { askPagesPassword(window); });
    window->show();
}

void SplitPanel::askPagesPassword(PagesWindow* window)
{
    // Asked as "&Browse" asks, so the split later uses the same password.
    if (m_job.running())
        return;
    QPointer<PagesWindow> alive(window);
    QString textFile = TextFile->text();
    m_job.useSource(window->path(), textFile);
    TextFile->setText(textFile);
    Q_EMIT jobFinished();
    if (!alive)
        return;
    if (m_session.SourcePasswordFile.compare(alive->path(), Qt::CaseInsensitive) == 0 &&
        !m_session.SourcePassword.isEmpty())
        alive->reload(m_session.SourcePassword);
    else
        alive->close();
}

namespace {

// Whether a key press may reach an option box. Keys that type nothing (arrows, Delete,
// Shift+Insert, which pastes) pass; typed characters must be allowed ones; key combinations
// that produce control codes (Ctrl+V pastes, Ctrl+X cuts, Ctrl+Z undoes) are dropped, except
// the two that leave the text alone, copy and select all.
bool keyAllowed(const QKeyEvent* key, const QString& punctuation)
{
    const bool combined = key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
    // Backspace with Ctrl or Alt is no plain Backspace: it deletes a word or undoes.
    if (key->key() == Qt::Key_Backspace)
        return !(combined || (key->modifiers() & Qt::AltModifier));
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
        return true;
    if (combined) {
        if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::SelectAll))
            return true;
        // Ctrl with a character key makes a control code; with Left, Home and the like it moves.
        return key->text().isEmpty() && key->key() >= Qt::Key_Escape;
    }
    const QString text = key->text();
    if (text.isEmpty())
        return true;
    for (QChar c : text) {
        const bool digit = c >= u'0' && c <= u'9';
        if (!digit && !punctuation.contains(c))
            return false;
    }
    return true;
}

} // namespace

bool SplitPanel::eventFilter(QObject* watched, QEvent* event)
{
    auto* edit = qobject_cast<QLineEdit*>(watched);
    const bool option =
        edit && (edit == TextEvery || edit == TextFrom || edit == TextTo || edit == TextCustom ||
                 edit == TextLevel || edit == TextAfter || edit == TextSize);
    // The list boxes keep their caret on focus; the number boxes select their text.
    const bool list = edit == TextCustom || edit == TextAfter;
    if (!option)
        return QWidget::eventFilter(watched, event);

    if (event->type() == QEvent::KeyPress) {
        const QString punctuation = edit == TextCustom  ? QStringLiteral(",-")
                                    : edit == TextAfter ? QStringLiteral(",")
                                    : edit == TextSize  ? QStringLiteral(".,")
                                                        : QString();
        if (!keyAllowed(static_cast<QKeyEvent*>(event), punctuation)) {
            event->accept();
            return true;
        }
    } else if (event->type() == QEvent::FocusIn) {
        // Coming back from a menu or another window is no new visit to the box.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason)
            return QWidget::eventFilter(watched, event);
        const SplitMode mode = edit == TextEvery                    ? SplitMode::EveryN
                               : edit == TextFrom || edit == TextTo ? SplitMode::PageRange
                               : edit == TextLevel                  ? SplitMode::Bookmarks
                               : edit == TextAfter                  ? SplitMode::AfterPages
                               : edit == TextSize                   ? SplitMode::SizeParts
                                                                    : SplitMode::CustomPages;
        OptionRange[size_t(mode)]->setChecked(true);
        // The line edit selects everything when Tab or a shortcut brings the focus; the custom
        // box keeps its caret where it was instead.
        if (list && !edit->hasSelectedText() &&
            (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
             reason == Qt::ShortcutFocusReason)) {
            const int caret = edit->cursorPosition();
            static_cast<QObject*>(edit)->event(event);
            edit->deselect();
            edit->setCursorPosition(caret);
            return true;
        }
        // After the click that brought the focus has placed the caret.
        if (!list)
            QTimer::singleShot(0, edit, [edit] {
                if (edit->hasFocus())
                    edit->selectAll();
            });
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace paginor
