// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

// The multi-selection answer of the add dialog, split into merge-list rows. Two ways in:
// an arbitrary buffer handed to the splitter, and a list of names that goes through the
// dialog's own buffer building, where every chosen PDF must come back as its row, in order.
#include "SilentInteraction.h"
#include "jobs/Session.h"
#include "merge/MergeList.h"

#include <QDir>
#include <cstddef>
#include <cstdint>

using namespace paginor;

namespace {

void arbitraryBuffer(const QString& buffer)
{
    Session session;
    fuzz::SilentInteraction ui;
    MergeList list(session, ui);
    list.addFromBuffer(buffer);
    ui.checkIdle();
    if (list.rowCount() > buffer.count(QChar(0)) + 1)
        abort();
    for (int i = 0; i < list.rowCount(); ++i) {
        if (!MergeList::HasPdfExtension(list.row(i).fileName))
            abort();
        if (list.row(i).number != MergeList::NumberText(i + 1))
            abort();
    }
}

void roundTrip(const QString& text)
{
    const QString sep = QDir::separator();
    const QString folder = text.startsWith(u'r') ? QString() : sep + QStringLiteral("data");
    QStringList chosen, expected;
    for (const QString& name : text.mid(1).split(u'\n')) {
        // A dialog never returns an empty name or one holding a NUL or a separator.
        if (name.isEmpty() || name.contains(QChar(0)) || name.contains(sep))
            continue;
        chosen << folder + sep + name;
        if (MergeList::HasPdfExtension(chosen.last()))
            expected << chosen.last();
    }
    Session session;
    fuzz::SilentInteraction ui;
    ui.chosen = chosen;
    MergeList list(session, ui);
    list.AddPdfFiles();
    ui.checkIdle();
    if (list.fullPaths() != expected)
        abort();
    if (!chosen.isEmpty() && session.LastOpenFolder != folder + sep)
        abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    if (data[0] & 1)
        roundTrip(text);
    else
        arbitraryBuffer(text);
    return 0;
}
