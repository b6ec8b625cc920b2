// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "ui/SplitSummaryView.h"

#include "jobs/Session.h"
#include "split/SplitSummary.h"
#include "ui/SplitPanel.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>

namespace paginor {

SplitSummaryView::SplitSummaryView(SplitPanel& panel, const Session& session)
    : QObject(&panel), m_panel(panel), m_session(session)
{
    m_label = new QLabel;
    m_label->setObjectName(QStringLiteral("LabelSummary"));
    m_label->setTextFormat(Qt::PlainText);
    m_label->setWordWrap(true);
    // The skins give the palette its secondary text colour; it follows a change of skin.
    m_label->setForegroundRole(QPalette::PlaceholderText);

    m_pause.setSingleShot(true);
    m_pause.setInterval(kPauseMs);
    connect(&m_pause, &QTimer::timeout, this, &SplitSummaryView::showSummary);
    connect(&m_probe, &PageCountProbe::counted, this, &SplitSummaryView::counted);

    connect(panel.TextFile, &QLineEdit::textChanged, this, &SplitSummaryView::sourceEdited);
    connect(panel.TextFile, &QLineEdit::editingFinished, this, &SplitSummaryView::sourceChosen);
    connect(&panel, &SplitPanel::jobFinished, this, &SplitSummaryView::sourceChosen);
    connect(panel.OptionRangeGroup, &QButtonGroup::idToggled, &m_pause,
            qOverload<>(&QTimer::start));
    for (QLineEdit* box : {panel.TextEvery, panel.TextFrom, panel.TextTo, panel.TextCustom,
                           panel.TextLevel, panel.TextAfter, panel.TextSize})
        connect(box, &QLineEdit::textChanged, &m_pause, qOverload<>(&QTimer::start));
}

void SplitSummaryView::sourceEdited()
{
    // Set from outside (the open dialog, a drop, the split job): the source is known at once.
    // setText() clears the modified flag that typing sets.
    if (!m_panel.TextFile->isModified()) {
        sourceChosen();
        return;
    }
    // Being typed: known once the box is left.
    if (m_panel.TextFile->text().trimmed() != m_source)
        forgetSource();
}

void SplitSummaryView::sourceChosen()
{
    const QString path = m_panel.TextFile->text().trimmed();
    if (path.isEmpty()) {
        forgetSource();
        return;
    }
    const QString password = m_session.SourcePasswordFile.compare(path, Qt::CaseInsensitive) == 0
                                 ? m_session.SourcePassword
                                 : QString();
    if (path == m_source && password == m_password && m_waiting)
        return;
    if (path != m_source) {
        m_count.reset();
        m_label->clear();
    }
    m_source = path;
    m_password = password;
    m_waiting = true;
    // Asked again for an unchanged file, the probe answers from what it already knows.
    m_probe.request(path, password, wantsOutline());
}

void SplitSummaryView::counted(const QString& path, const QString& password,
                               const SourceCount& count)
{
    if (path != m_source || password != m_password)
        return;
    m_waiting = false;
    m_count = count;
    showSummary();
}

void SplitSummaryView::forgetSource()
{
    m_source.clear();
    m_password.clear();
    m_waiting = false;
    m_count.reset();
    m_label->clear();
}

bool SplitSummaryView::wantsOutline() const
{
    return m_panel.OptionRangeGroup->checkedId() == int(SplitMode::Bookmarks);
}

void SplitSummaryView::showSummary()
{
    if (!m_count) {
        m_label->clear();
        return;
    }
    // The outline is read only once the split at bookmarks is chosen; until it comes the line
    // keeps what it said.
    if (m_count->state == SourceCount::State::Counted && !m_count->outlineAsked && wantsOutline()) {
        if (!m_waiting) {
            m_waiting = true;
            m_probe.request(m_source, m_password, true);
        }
        return;
    }
    switch (m_count->state) {
    case SourceCount::State::Unreadable:
        m_label->clear();
        break;
    case SourceCount::State::Protected:
        m_label->setText(shownText(kProtectedSourceText));
        break;
    case SourceCount::State::Damaged:
        m_label->setText(shownText(kDamagedSourceText));
        break;
    case SourceCount::State::Counted:
        m_label->setText(summaryText(planSplit(m_panel.options(), *m_count)));
        break;
    }
}

} // namespace paginor
