// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "cli/DryRun.h"

#include "cli/TerminalInteraction.h"
#include "engine/PDFLibrary.h"
#include "jobs/Messages.h"
#include "jobs/Session.h"
#include "split/PageCountProbe.h"
#include "split/SourcePassword.h"
#include "split/SplitSummary.h"

#include <cstdio>

namespace paginor::cli {

namespace {

void printLine(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = (text + u'\n').toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

int dryRunSplit(const CommandLine& line)
{
    PDFLibrary engine;
    Session session;
    TerminalInteraction ui(line.output, line.hasPassword, line.password);
    const QString source = line.source.trimmed();
    // Only a split at bookmarks needs the outline; counting reads the page tree alone.
    const bool outline = line.options.mode == SplitMode::Bookmarks;
    SourceCount count = countPages(engine, source, QString(), outline);
    if (count.state == SourceCount::State::Protected) {
        SourcePassword password(engine, session, ui);
        if (!password.AskSourcePassword(source))
            return 1;
        count = countPages(engine, source, session.SourcePassword, outline);
    }
    switch (count.state) {
    case SourceCount::State::Unreadable:
        printLine(stderr, shownText(kMsgSelectSource));
        return 1;
    case SourceCount::State::Protected:
        printLine(stderr, shownText(kProtectedSourceText));
        return 1;
    case SourceCount::State::Damaged:
        printLine(stderr, shownText(kDamagedSourceText));
        return 1;
    case SourceCount::State::Counted:
        break;
    }

    const SplitPlan plan = planSplit(line.options, count);
    printLine(stdout, pagesText(count.pageTotal));
    if (!plan.refusal.isEmpty()) {
        printLine(stderr, plan.refusal);
        return 1;
    }
    if (plan.outlineUnreadable) {
        printLine(stderr, shownText(kOutlineUnreadableText));
        return 1;
    }
    if (plan.mode == SplitMode::SizeParts) {
        printLine(stdout, sizePartsText(plan));
        return plan.aboutFiles > 0 ? 0 : 1;
    }
    for (size_t i = 0; i < plan.parts.size(); ++i)
        printLine(stdout, plannedPath(plan, i, line.output) + QStringLiteral(": ") +
                              pagesText(plan.parts[i].pageCount));
    const QString remark = remarkText(plan);
    if (plan.listRefused) {
        printLine(stderr, remark);
        return 1;
    }
    if (!remark.isEmpty())
        printLine(stdout, remark);
    if (plan.parts.empty()) {
        printLine(stderr, shownText(kWritesNoFileText));
        return 1;
    }
    return 0;
}

} // namespace paginor::cli
