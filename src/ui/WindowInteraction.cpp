#include "ui/WindowInteraction.h"

#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QProgressBar>
#include <QThread>
#include <exception>
#include <memory>

namespace paginor {

WindowInteraction::WindowInteraction(Interaction& prompter) : m_prompter(prompter) {}

WindowInteraction::~WindowInteraction()
{
    while (m_cursorDepth > 0)
        popCursor();
}

void WindowInteraction::setWidgets(QWidget* jobPanel, QWidget* tabStrip, QLabel* status,
                                   QProgressBar* progress)
{
    m_panel = jobPanel;
    m_tabStrip = tabStrip;
    m_status = status;
    m_progress = progress;
}

Interaction::Reply WindowInteraction::message(const QString& text, Icon icon, const QString& title,
                                              Buttons buttons)
{
    return m_prompter.message(text, icon, title, buttons);
}

bool WindowInteraction::inputBox(const QString& prompt, const QString& title, QString& text)
{
    return m_prompter.inputBox(prompt, title, text);
}

QStringList WindowInteraction::fileDialog(const FileDialogRequest& request)
{
    return m_prompter.fileDialog(request);
}

void WindowInteraction::setStatus(const QString& text)
{
    if (m_status)
        m_status->setText(text);
}

void WindowInteraction::setBusy(bool busy)
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

void WindowInteraction::setWaitCursor(bool wait)
{
    if (wait == m_wait)
        return;
    m_wait = wait;
    if (wait)
        pushCursor();
    else
        popCursor();
}

void WindowInteraction::setProgress(int value)
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

void WindowInteraction::yield()
{
    QCoreApplication::processEvents();
}

void WindowInteraction::runWhileYielding(const std::function<void()>& work)
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

void WindowInteraction::pushCursor()
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

void WindowInteraction::popCursor()
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
