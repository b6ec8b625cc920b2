// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "ui/WindowFeedback.h"

#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QProgressBar>
#include <QThread>
#include <exception>
#include <memory>

namespace paginor {

WindowFeedback::~WindowFeedback()
{
    while (m_cursorDepth > 0)
        popCursor();
}

void WindowFeedback::setWidgets(QWidget* jobPanel, QWidget* tabStrip, QLabel* status,
                                QProgressBar* progress)
{
    m_panel = jobPanel;
    m_tabStrip = tabStrip;
    m_status = status;
    m_progress = progress;
}

void WindowFeedback::setStatus(const QString& text)
{
    if (m_status)
        m_status->setText(text);
}

void WindowFeedback::setBusy(bool busy)
{
    if (busy == m_busy)
        return;
    m_busy = busy;
    if (m_panel)
        m_panel->setEnabled(!busy);
    if (m_tabStrip)
        m_tabStrip->setEnabled(!busy);
    if (busy)
        pushCursor();
    else
        popCursor();
}

void WindowFeedback::setWaitCursor(bool wait)
{
    if (wait == m_wait)
        return;
    m_wait = wait;
    if (wait)
        pushCursor();
    else
        popCursor();
}

void WindowFeedback::setProgress(int value)
{
    if (!m_progress)
        return;
    if (value < 0) {
        m_progress->hide();
        return;
    }
    m_progress->setValue(qBound(0, value, 100));
    m_progress->show();
}

void WindowFeedback::yield()
{
    QCoreApplication::processEvents();
}

void WindowFeedback::runWhileYielding(const std::function<void()>& work)
{
    std::exception_ptr failure;
    std::unique_ptr<QThread> worker(QThread::create([&work, &failure] {
        try {
            work();
        } catch (...) {
            failure = std::current_exception();
        }
    }));
    QEventLoop loop;
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    // Input to the disabled panel is refused by the widgets themselves; only painting and the
    // few enabled controls get through.
    loop.exec();
    worker->wait();
    if (failure)
        std::rethrow_exception(failure);
}

void WindowFeedback::pushCursor()
{
    if (m_cursorDepth++ > 0)
        return;
    QWidget* anchor = m_panel ? m_panel.data() : m_tabStrip.data();
    if (!anchor)
        return;
    QWidget* window = anchor->window();
    m_savedCursors.push_back({window, window->cursor(), window->testAttribute(Qt::WA_SetCursor)});
    // A pointer of a widget's own (the text boxes' I-beam) would hide the hourglass, and a
    // disabled widget with one shows the plain arrow, so they inherit the window's meanwhile.
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() == window && w->testAttribute(Qt::WA_SetCursor)) {
            m_savedCursors.push_back({w, w->cursor(), true});
            w->unsetCursor();
        }
    }
    window->setCursor(Qt::WaitCursor);
}

void WindowFeedback::popCursor()
{
    if (m_cursorDepth == 0)
        return;
    if (--m_cursorDepth > 0)
        return;
    for (const SavedCursor& saved : m_savedCursors) {
        if (!saved.widget)
            continue;
        if (saved.own)
            saved.widget->setCursor(saved.cursor);
        else
            saved.widget->unsetCursor();
    }
    m_savedCursors.clear();
}

} // namespace paginor
