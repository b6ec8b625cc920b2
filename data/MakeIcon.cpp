// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

// Draws the program's icon: writes it as SVG and as a PNG of the size asked for, from one list
// of shapes, so the two never drift apart. Usage: paginor-make-icon OUT.svg OUT.png SIZE
#include <QColor>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTextStream>
#include <cstdio>
#include <vector>

namespace {

// A rounded rectangle on a 256-unit canvas.
struct Box
{
    double x, y, w, h, radius;
    const char* fill;
};

std::vector<Box> shapes()
{
    std::vector<Box> out = {
        {16, 16, 224, 224, 44, "#2f6fb5"}, // tile
        {52, 38, 116, 150, 8, "#c9daf0"},  // the page behind
        {88, 68, 116, 150, 8, "#ffffff"},  // the page in front
    };
    // Lines of text on the front page, above and below the cut, the last one short.
    const double lines[] = {88, 104, 120, 172, 188, 204};
    for (double y : lines)
        out.push_back({104, y, y == 204 ? 48.0 : 84.0, 8, 4, "#9cb4d8"});
    // The cut: a dashed orange line across both pages.
    for (int x = 32; x < 224; x += 24)
        out.push_back({double(x), 142, 14, 10, 3, "#f08a24"});
    return out;
}

bool writeSvg(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QTextStream out(&file);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
           "viewBox=\"0 0 256 256\">\n";
    for (const Box& b : shapes())
        out << QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" "
                              "fill=\"%6\"/>\n")
                   .arg(b.x)
                   .arg(b.y)
                   .arg(b.w)
                   .arg(b.h)
                   .arg(b.radius)
                   .arg(QString::fromLatin1(b.fill));
    out << "</svg>\n";
    return out.status() == QTextStream::Ok && file.flush();
}

bool writePng(const QString& path, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 256.0, size / 256.0);
    painter.setPen(Qt::NoPen);
    for (const Box& b : shapes()) {
        painter.setBrush(QColor(QString::fromLatin1(b.fill)));
        painter.drawRoundedRect(QRectF(b.x, b.y, b.w, b.h), b.radius, b.radius);
    }
    painter.end();
    return image.save(path, "PNG");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fputs("usage: paginor-make-icon OUT.svg OUT.png SIZE\n", stderr);
        return 2;
    }
    const int size = QString::fromLocal8Bit(argv[3]).toInt();
    if (size < 16 || !writeSvg(QString::fromLocal8Bit(argv[1])) ||
        !writePng(QString::fromLocal8Bit(argv[2]), size)) {
        std::fputs("paginor-make-icon: could not write the icon\n", stderr);
        return 1;
    }
    return 0;
}
