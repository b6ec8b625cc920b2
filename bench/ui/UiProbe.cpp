// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

// Times what a user waits for in the window, in the window's own classes, offscreen:
//   paginor-ui-probe summary FILE   prints summary_ms=<ms from choosing FILE to its summary
//                                    line painted>
//   paginor-ui-probe pages FILE     prints first_screen_ms=<ms from opening the page window
//                                    to its first screen of thumbnails> longest_stall_ms=<the
//                                    longest the window's thread was blocked while scrolling
//                                    through every page> peak_mb=<the process's peak memory>
#include "../QuietInteraction.h"
#include "engine/PDFLibrary.h"
#include "jobs/Session.h"
#include "split/PageCountProbe.h"
#include "ui/PageGrid.h"
#include "ui/PagesWindow.h"
#include "ui/SplitPanel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>
#include <cstdio>
#include <cstring>

using namespace paginor;

namespace {

// Runs the event loop until `done` holds or `limitMs` passes; false on the limit.
template <typename Done> bool runUntil(Done done, int limitMs = 60000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > limitMs)
            return false;
        QApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
    }
    return true;
}

// The process's peak resident memory, in MB.
double peakMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

// Ticks every 5 ms on the window's thread and keeps the longest gap between two ticks.
class StallProbe : public QObject
{
public:
    StallProbe()
    {
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this,
                [this] { m_longest = std::max(m_longest, m_since.restart()); });
    }
    void start()
    {
        m_since.start();
        m_timer.start();
    }
    qint64 longest() const { return m_longest; }

private:
    QTimer m_timer;
    QElapsedTimer m_since;
    qint64 m_longest = 0;
};

int probeSummary(const QString& file)
{
    PDFLibrary engine;
    Session session;
    QuietInteraction ui;
    SplitPanel panel(engine, session, ui);
    panel.show();
    runUntil([&] { return panel.isVisible(); });
    QElapsedTimer clock;
    clock.start();
    panel.TextFile->setText(file); // as the open dialog and a drop set it
    if (!runUntil([&] { return !panel.LabelSummary->text().isEmpty(); }))
        return 1;
    panel.LabelSummary->repaint();
    std::printf("summary_ms=%lld\n", static_cast<long long>(clock.elapsed()));
    return 0;
}

int probePages(const QString& file)
{
    StallProbe stalls;
    QElapsedTimer clock;
    clock.start();
    stalls.start();
    PagesWindow window(file, QString(), PagesWindow::Purpose::Split);
    window.show();
    PageGrid& grid = *window.grid;
    auto screenDone = [&] {
        if (!window.loaded())
            return false;
        const std::vector<int32_t> shown = grid.visiblePages();
        for (int32_t page : shown)
            if (!grid.hasPicture(page) && !grid.failed(page))
                return false;
        return !shown.empty();
    };
    if (!runUntil(screenDone))
        return 1;
    grid.viewport()->repaint();
    const qint64 firstScreen = clock.elapsed();
    // Down through every page a screen at a time, as a held Page Down key does, without
    // waiting for the pictures.
    QScrollBar* bar = grid.verticalScrollBar();
    while (bar->value() < bar->maximum()) {
        bar->setValue(bar->value() + bar->pageStep());
        runUntil([] { return false; }, 30);
    }
    runUntil(screenDone);
    std::printf("first_screen_ms=%lld longest_stall_ms=%lld peak_mb=%.1f\n",
                static_cast<long long>(firstScreen), static_cast<long long>(stalls.longest()),
                peakMb());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: paginor-ui-probe summary|pages FILE\n");
        return 2;
    }
    const QString file = QString::fromLocal8Bit(argv[2]);
    if (std::strcmp(argv[1], "summary") == 0)
        return probeSummary(file);
    if (std::strcmp(argv[1], "count") == 0) {
        QElapsedTimer clock;
        clock.start();
        PDFLibrary engine;
        const SourceCount count = countPages(engine, file, QString(), false);
        std::printf("count_ms=%lld pages=%d\n", static_cast<long long>(clock.elapsed()),
                    int(count.pageTotal));
        return 0;
    }
    if (std::strcmp(argv[1], "pages") == 0)
        return probePages(file);
    return 2;
}
