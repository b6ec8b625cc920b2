// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "split/PageCountProbe.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <optional>

class QLabel;

namespace paginor {

class SplitPanel;
struct Session;

// The summary line of the split panel: the source's page count and what "&Split" will write
// with the mode and boxes as they stand. The count is read in the background once the source
// is known; the text follows the boxes after a short pause in typing. Empty while there is no
// readable source.
class SplitSummaryView : public QObject
{
    Q_OBJECT
public:
    // Watches the panel's source, mode and boxes; the session gives a source's password.
    SplitSummaryView(SplitPanel& panel, const Session& session);

    // The line itself ("LabelSummary"), in the skin's secondary text colour; the panel
    // places it.
    QLabel* label() const { return m_label; }

    // The pause after a change to the mode or a box before the line follows it, in ms.
    static constexpr int kPauseMs = 250;

public Q_SLOTS:
    // The path in `TextFile` is the source now: chosen, dropped, or typed and left. Asks for
    // its page count unless that is already under way.
    void sourceChosen();

private:
    void sourceEdited();
    void counted(const QString& path, const QString& password, const SourceCount& count);
    void showSummary();
    void forgetSource();
    // Whether the mode chosen is the split at bookmarks, the one that needs the outline.
    bool wantsOutline() const;

    SplitPanel& m_panel;
    const Session& m_session;
    QLabel* m_label = nullptr;
    QTimer m_pause;
    PageCountProbe m_probe;
    QString m_source;   // the path counted or being counted
    QString m_password; // the password it is opened with
    bool m_waiting = false;
    std::optional<SourceCount> m_count;
};

} // namespace paginor
