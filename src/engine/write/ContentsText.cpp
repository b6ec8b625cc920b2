// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "engine/write/ContentsText.h"

#include "engine/structure/OutputLabels.h"
#include "engine/write/PdfText.h"

#include <QList>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace paginor {

namespace {

constexpr double kTitleSize = 18;
constexpr double kLineSize = 12;
constexpr double kLeading = 20;

// Widths of Helvetica's printable ASCII characters, in thousandths of the font size.
constexpr int kAsciiWidths[95] = {
    278, 278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333,  278, 278, 556, 556, 556,
    556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556, 1015, 667, 667, 722, 722, 667,
    611, 778, 722, 278, 500, 667, 556, 833, 722, 778, 667, 778, 722, 667,  611, 722, 667, 944, 667,
    667, 611, 278, 278, 278, 469, 556, 333, 556, 556, 500, 556, 556, 278,  556, 556, 222, 222, 500,
    222, 833, 556, 556, 556, 556, 333, 500, 278, 556, 500, 722, 500, 500,  500, 334, 260, 334, 584};

// The characters of code points 0x80 to 0x9F in WinAnsiEncoding; 0 where it has none.
constexpr char16_t kHighCodes[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// Width in points of WinAnsi `text` at `size`; characters above ASCII count as a wide letter.
double textWidth(const std::string& text, double size)
{
    double units = 0;
    for (unsigned char c : text)
        units += c >= 32 && c < 127 ? kAsciiWidths[c - 32] : 667;
    return units * size / 1000;
}

std::string number(double v)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", v);
    return buffer;
}

// A PDF literal string of WinAnsi bytes.
std::string literal(const std::string& bytes)
{
    std::string out;
    appendString(bytes, out);
    return out;
}

double margin(const PageBox& box)
{
    return std::min({72.0, (box[2] - box[0]) / 8, (box[3] - box[1]) / 8});
}

double firstLineY(const PageBox& box)
{
    return box[3] - margin(box) - kTitleSize - 2 * kLeading;
}

std::string boxText(const PageBox& box)
{
    return "[" + number(box[0]) + " " + number(box[1]) + " " + number(box[2]) + " " +
           number(box[3]) + "]";
}

} // namespace

std::string winAnsiText(const std::string& utf8)
{
    std::string out;
    const QString text = QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
    for (const char32_t c : text.toUcs4()) {
        if ((c >= 0x20 && c < 0x7F) || (c >= 0xA0 && c <= 0xFF)) {
            out += char(c);
            continue;
        }
        const auto* high = std::find(std::begin(kHighCodes), std::end(kHighCodes), c);
        out += c > 0 && high != std::end(kHighCodes) ? char(0x80 + (high - kHighCodes)) : '?';
    }
    return out;
}

std::vector<std::string> contentsNumbers(const AddedPages& pages, bool labelled,
                                         const std::vector<QPDFObjectHandle>& labels)
{
    std::vector<std::string> numbers;
    for (const auto& line : pages.lines)
        numbers.push_back(labelled ? labelText(labels, line.outPage)
                                   : std::to_string(line.outPage + 1));
    return numbers;
}

int32_t contentsLinesPerPage(const PageBox& box)
{
    const double room = firstLineY(box) - (box[1] + margin(box));
    return std::max<int32_t>(1, int32_t(std::floor(room / kLeading)) + 1);
}

void writeAddedPages(const AddedPages& pages, const std::vector<std::string>& numbers,
                     const AddedPageSink& sink)
{
    auto writePage = [&](int32_t outPage, const PageBox& box, const std::string& rest) {
        sink.write(sink.pageNumber(outPage),
                   "<< /Type /Page" + sink.parent + " /MediaBox " + boxText(box) + rest + " >>");
    };
    for (const auto& [outPage, box] : pages.blanks)
        writePage(outPage, box, " /Resources << >>");
    if (pages.contentsPages <= 0)
        return;

    const PageBox& box = pages.contentsBox;
    const int font = sink.allocate();
    sink.write(font, "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding "
                     "/WinAnsiEncoding >>");
    const double left = box[0] + margin(box);
    const double right = box[2] - margin(box);
    const auto perPage = size_t(contentsLinesPerPage(box));
    for (int32_t page = 0; page < pages.contentsPages; ++page) {
        std::string content = "BT /F1 " + number(kTitleSize) + " Tf " + number(left) + " " +
                              number(box[3] - margin(box) - kTitleSize) + " Td " +
                              literal(winAnsiText(pages.heading)) + " Tj ET\n";
        std::string annots;
        double y = firstLineY(box);
        for (size_t i = size_t(page) * perPage;
             i < pages.lines.size() && i < size_t(page + 1) * perPage; ++i, y -= kLeading) {
            const std::string shown = i < numbers.size() ? winAnsiText(numbers[i]) : "";
            const double shownWidth = textWidth(shown, kLineSize);
            std::string title = winAnsiText(pages.lines[i].title);
            const double room = right - left - shownWidth - kLineSize * 2;
            if (textWidth(title, kLineSize) > room) {
                while (!title.empty() && textWidth(title + "...", kLineSize) > room)
                    title.pop_back();
                title += "...";
            }
            content += "BT /F1 " + number(kLineSize) + " Tf " + number(left) + " " + number(y) +
                       " Td " + literal(title) + " Tj ET\n";
            content += "BT /F1 " + number(kLineSize) + " Tf " + number(right - shownWidth) + " " +
                       number(y) + " Td " + literal(shown) + " Tj ET\n";
            const int link = sink.allocate();
            sink.write(link, "<< /Type /Annot /Subtype /Link /Rect [" + number(left) + " " +
                                 number(y - 4) + " " + number(right) + " " + number(y + kLineSize) +
                                 "] /Border [0 0 0] /Dest [" +
                                 std::to_string(sink.pageNumber(pages.lines[i].outPage)) +
                                 " 0 R /Fit] >>");
            annots += std::to_string(link) + " 0 R ";
        }
        const int stream = sink.writeStream(content);
        writePage(page, box,
                  " /Resources << /Font << /F1 " + std::to_string(font) + " 0 R >> >> /Contents " +
                      std::to_string(stream) + " 0 R /Annots [" + annots + "]");
    }
}

} // namespace paginor
