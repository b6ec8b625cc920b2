// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "cli/TerminalInteraction.h"

#include "jobs/Messages.h"

#include <cstring>
#include <termios.h>
#include <unistd.h>

namespace paginor::cli {

namespace {

// A job that ends sooner prints no progress: the line would only flicker.
constexpr qint64 kQuietMs = 1000;

} // namespace

TerminalInteraction::TerminalInteraction(const QString& output, bool hasPassword,
                                         const QString& password, ProgressMode progress)
    : m_output(output), m_hasPassword(hasPassword), m_password(password), m_progressMode(progress)
{
    m_running.start();
}

void TerminalInteraction::print(std::FILE* stream, const QString& text)
{
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    const QByteArray bytes = lines.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

UserQuestions::Reply TerminalInteraction::message(const QString& text, Icon icon,
                                                  const QString& title, Buttons buttons)
{
    progress(QString());
    // The two success messages carry the title "OK"; everything else is a refusal or failure.
    const bool success = icon == Icon::Information && title == shownText(kTitleOk);
    print(success ? stdout : stderr, text);
    return buttons == Buttons::YesNo ? Reply::No : Reply::Ok;
}

bool TerminalInteraction::readHidden(QString& answer)
{
    termios saved{};
    const bool tty = tcgetattr(STDIN_FILENO, &saved) == 0;
    if (tty) {
        termios quiet = saved;
        quiet.c_lflag &= tcflag_t(~ECHO);
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    QByteArray line;
    int c = 0;
    while ((c = std::fgetc(stdin)) != EOF && c != '\n')
        line.append(char(c));
    if (tty) {
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
        std::fputc('\n', stderr);
    }
    answer = QString::fromLocal8Bit(line);
    if (answer.endsWith(QLatin1Char('\r')))
        answer.chop(1);
    return c != EOF || !line.isEmpty();
}

bool TerminalInteraction::inputBox(const QString& prompt, const QString& title, QString& text)
{
    progress(QString());
    if (m_hasPassword) {
        if (!m_passwordGiven) {
            m_passwordGiven = true;
            text = m_password;
            return true;
        }
        print(stderr,
              title + QLatin1String(": ") +
                  QCoreApplication::translate("cli", "the password given does not open the file.") +
                  u' ' + prompt);
        return false;
    }
    if (!isatty(STDIN_FILENO)) {
        print(stderr,
              title + QLatin1String(": ") + prompt +
                  QCoreApplication::translate("cli", " (use --password or PAGINOR_PASSWORD)"));
        return false;
    }
    const QByteArray shown = (prompt + QLatin1String(": ")).toLocal8Bit();
    std::fwrite(shown.constData(), 1, size_t(shown.size()), stderr);
    std::fflush(stderr);
    return readHidden(text);
}

QStringList TerminalInteraction::fileDialog(const FileDialogRequest& request)
{
    if (request.kind != DialogKind::Save || m_outputGiven)
        return {};
    m_outputGiven = true;
    return {m_output};
}

void TerminalInteraction::setStatus(const QString& text)
{
    progress(text);
}

void TerminalInteraction::progress(const QString& text)
{
    if (m_progressMode == ProgressMode::Off)
        return;
    if (m_progressMode == ProgressMode::Auto && !m_progressShown &&
        (!isatty(STDERR_FILENO) || m_running.elapsed() < kQuietMs))
        return;
    if (text.isEmpty()) {
        if (m_progressShown)
            std::fputc('\n', stderr);
        m_progressShown = false;
        std::fflush(stderr);
        return;
    }
    // One line rewritten in place, cleared to its end.
    const QByteArray bytes = text.toLocal8Bit();
    std::fputc('\r', stderr);
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    if (isatty(STDERR_FILENO))
        std::fputs("\033[K", stderr);
    std::fflush(stderr);
    m_progressShown = true;
}

} // namespace paginor::cli
