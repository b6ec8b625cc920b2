// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "support/OutlineFactory.h"

#include <QFile>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFWriter.hh>

namespace paginor::test {

namespace {

QPDFObjectHandle parse(const std::string& text)
{
    return QPDFObjectHandle::parse(text);
}

} // namespace

void addOutline(const QString& path, const std::vector<OutlineItem>& items, bool loops)
{
    const QByteArray name = QFile::encodeName(path);
    QPDF pdf;
    pdf.processFile(name.constData());
    auto pages = pdf.getAllPages();
    auto catalogDests = QPDFObjectHandle::newDictionary();
    auto leaf = QPDFObjectHandle::newArray(); // (name) dest pairs, in sorted order
    auto root = pdf.makeIndirectObject(parse("<< /Type /Outlines >>"));

    // The last item seen at each level: the parent of the next deeper one, the sibling before
    // the next one at its level.
    std::vector<QPDFObjectHandle> last{root};
    int n = 0;
    for (const auto& entry : items) {
        auto item = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
        item.replaceKey("/Title", QPDFObjectHandle::newUnicodeString(entry.title));
        auto target = entry.page > 0 ? pages.at(size_t(entry.page - 1))
                                    : pdf.makeIndirectObject(parse("<< /Type /NotAPage >>"));
        auto dest = QPDFObjectHandle::newArray({target, QPDFObjectHandle::newName("/Fit")});
        const std::string key = "d" + std::to_string(100 + n++);
        const bool defined = entry.page > 0;
        switch (entry.kind) {
        case DestKind::Explicit:
            item.replaceKey("/Dest", dest);
            break;
        case DestKind::CatalogName:
            if (defined)
                catalogDests.replaceKey("/" + key, QPDFObjectHandle::newDictionary({{"/D", dest}}));
            item.replaceKey("/Dest", QPDFObjectHandle::newName("/" + key));
            break;
        case DestKind::TreeName:
        case DestKind::GoTo:
            if (defined) {
                leaf.appendItem(QPDFObjectHandle::newString(key));
                leaf.appendItem(dest);
            }
            if (entry.kind == DestKind::TreeName)
                item.replaceKey("/Dest", QPDFObjectHandle::newString(key));
            else
                item.replaceKey("/A", QPDFObjectHandle::newDictionary(
                                          {{"/S", QPDFObjectHandle::newName("/GoTo")},
                                           {"/D", QPDFObjectHandle::newString(key)}}));
            break;
        }

        last.resize(size_t(entry.level) + 1);
        auto parent = last.at(size_t(entry.level) - 1);
        item.replaceKey("/Parent", parent);
        if (last[size_t(entry.level)].isInitialized() && !last[size_t(entry.level)].isNull()) {
            last[size_t(entry.level)].replaceKey("/Next", item);
            item.replaceKey("/Prev", last[size_t(entry.level)]);
        } else {
            parent.replaceKey("/First", item);
        }
        parent.replaceKey("/Last", item);
        // A /Count that lies: readers must not trust it.
        parent.replaceKey("/Count", QPDFObjectHandle::newInteger(1));
        last[size_t(entry.level)] = item;
    }
    if (loops && root.hasKey("/Last"))
        root.getKey("/Last").replaceKey("/Next", root.getKey("/First"));

    pdf.getRoot().replaceKey("/Outlines", root);
    pdf.getRoot().replaceKey("/Dests", catalogDests);
    auto tree = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
    auto kids = QPDFObjectHandle::newArray(
        {pdf.makeIndirectObject(QPDFObjectHandle::newDictionary({{"/Names", leaf}}))});
    if (loops)
        kids.appendItem(tree);
    tree.replaceKey("/Kids", kids);
    pdf.getRoot().replaceKey("/Names", QPDFObjectHandle::newDictionary({{"/Dests", tree}}));

    QPDFWriter w(pdf);
    const QByteArray temp = name + ".outline";
    w.setOutputFilename(temp.constData());
    w.setStaticID(true);
    w.write();
    QFile::remove(path);
    QFile::rename(QFile::decodeName(temp), path);
}

std::vector<OutlineItem> chapterOutline()
{
    return {
        {1, "Intro: A/B\\C", 2, DestKind::Explicit},
        {2, "Über <Grüße>", 2, DestKind::CatalogName},
        {2, "  Détails  ", 3, DestKind::TreeName},
        {1, "Chapter * 2?", 4, DestKind::GoTo},
        {2, "Lost", 0, DestKind::TreeName},
        {2, "Same\tpage", 4, DestKind::Explicit},
        {2, "Same page too", 4, DestKind::GoTo},
        {1, "Gone", 0, DestKind::Explicit},
        {1, "日本語 \"quoted\"|pipe", 6, DestKind::CatalogName},
        {2, "", 7, DestKind::Explicit},
        {1, "Dup on 6", 6, DestKind::TreeName},
    };
}

QString makeChapterBook(const TempDir& dir, const QString& name)
{
    const QString path = dir.path(name);
    PdfSpec recipe;
    recipe.pages = 7;
    recipe.marker = "book";
    makePdf(path, recipe);
    addOutline(path, chapterOutline(), true);
    return path;
}

} // namespace paginor::test
