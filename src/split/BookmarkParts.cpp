// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "split/BookmarkParts.h"

#include "split/PartStem.h"

#include <QFile>
#include <algorithm>

namespace paginor {

namespace {

constexpr int kTitleLength = 80;
constexpr int kNameBytes = 255;

bool forbidden(QChar c)
{
    return c.category() == QChar::Other_Control || QStringLiteral("\\/:*?\"<>|").contains(c);
}

// `text` without its last character, never splitting a surrogate pair.
void dropLastCharacter(QString& text)
{
    text.chop(text.size() >= 2 && text.back().isLowSurrogate() ? 2 : 1);
}

// The number as two digits at least, then " " and the title already fit for a file name.
QString labelOf(int number, const QString& fitted)
{
    const QString digits = QStringLiteral("%1").arg(number, 2, 10, QChar(u'0'));
    return fitted.isEmpty() ? digits : digits + u' ' + fitted;
}

} // namespace

QString BookmarkPart::pageList() const
{
    return first == last ? QString::number(first)
                         : QString::number(first) + u'-' + QString::number(last);
}

std::vector<BookmarkPart> bookmarkParts(const std::vector<BookmarkLevel>& bookmarks, int32_t level,
                                        int32_t pageTotal)
{
    std::vector<BookmarkLevel> marks;
    for (const auto& b : bookmarks)
        if (b.level == level && b.page >= 0 && b.page < pageTotal)
            marks.push_back(b);
    std::stable_sort(marks.begin(), marks.end(),
                     [](const auto& a, const auto& b) { return a.page < b.page; });
    marks.erase(std::unique(marks.begin(), marks.end(),
                            [](const auto& a, const auto& b) { return a.page == b.page; }),
                marks.end());

    std::vector<BookmarkPart> parts;
    for (size_t i = 0; i < marks.size(); ++i) {
        BookmarkPart part;
        part.title = marks[i].title;
        part.first = i == 0 ? 1 : marks[i].page + 1;
        part.last = i + 1 < marks.size() ? marks[i + 1].page : pageTotal;
        parts.push_back(part);
    }
    return parts;
}

QString titleForFileName(const QString& title)
{
    // Format characters are invisible but steer how a name shows: a right-to-left override
    // would make "...fdp.exe" read as an ".exe" file. They go before anything else.
    QString text;
    text.reserve(title.size());
    for (const char32_t c : title.toUcs4())
        if (QChar::category(c) != QChar::Other_Format)
            text += QString::fromUcs4(&c, 1);
    // Trimmed first, so a line break that ends a title goes with the blanks.
    text = text.trimmed();
    for (QChar& c : text)
        if (forbidden(c))
            c = u'_';
    // Characters, not UTF-16 units: a letter outside the basic plane counts once.
    int end = 0;
    for (int count = 0; end < text.size() && count < kTitleLength; ++count)
        end += text.at(end).isHighSurrogate() && end + 1 < text.size() ? 2 : 1;
    text.truncate(end);
    return text.trimmed();
}

QString bookmarkPartLabel(int number, const QString& title)
{
    return labelOf(number, titleForFileName(title));
}

QString bookmarkPartFileName(const QString& chosenPath, int number, const QString& title)
{
    const PartStem chosen = partStem(chosenPath);
    QString fitted = titleForFileName(title);
    auto name = [&] {
        return chosen.name + u' ' + labelOf(number, fitted) + QStringLiteral(".pdf");
    };
    while (!fitted.isEmpty() &&
           (QFile::encodeName(name()).size() > kNameBytes || name().size() > kNameBytes)) {
        dropLastCharacter(fitted);
        fitted = fitted.trimmed();
    }
    return chosen.folder + name();
}

} // namespace paginor
