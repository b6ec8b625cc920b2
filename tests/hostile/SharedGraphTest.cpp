// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

// A wide graph of shared objects (an array of 40 references to the next array, 7 deep) where
// the structure code copies: each copy must take each object once, so a split and a merge
// stay small and quick. A graph past the copy's budget drops its item with a warning.
#include "hostile/ChildProcess.h"

#include "engine/PDFLibrary.h"
#include "support/PdfFactory.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFWriter.hh>

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace paginor;
using namespace paginor::test;

namespace {

using Handle = QPDFObjectHandle;

// The top of 7 levels of arrays, each holding 40 references to the next level.
Handle wideGraph(QPDF& pdf)
{
    Handle node = pdf.makeIndirectObject(Handle::newArray({Handle::newInteger(1)}));
    for (int level = 0; level < 7; ++level)
        node = pdf.makeIndirectObject(Handle::newArray(std::vector<Handle>(40, node)));
    return node;
}

// 5,000 objects of their own: past the copy's budget, shared or not.
Handle manyObjects(QPDF& pdf)
{
    std::vector<Handle> items;
    for (int i = 0; i < 5000; ++i)
        items.push_back(pdf.makeIndirectObject(Handle::newInteger(i)));
    return pdf.makeIndirectObject(Handle::newArray(items));
}

Handle uriAction(Handle extra)
{
    return Handle::newDictionary({{"/S", Handle::newName("/URI")},
                                  {"/URI", Handle::newString("https://example.org/")},
                                  {"/Next", extra}});
}

enum class Place
{
    BookmarkAction,
    BookmarkColour,
    NamedDestination,
    LinkAnnotation,
    ActionPastTheBudget,
};

// A 3-page file with the graph in `place`; every case has a bookmark to page 2.
void addGraph(const QString& path, Place place)
{
    const QByteArray name = QFile::encodeName(path);
    QPDF pdf;
    pdf.processFile(name.constData());
    auto pages = pdf.getAllPages();
    auto graph = place == Place::ActionPastTheBudget ? manyObjects(pdf) : wideGraph(pdf);
    auto root = pdf.makeIndirectObject(Handle::parse("<< /Type /Outlines >>"));
    auto item = pdf.makeIndirectObject(
        Handle::newDictionary({{"/Title", Handle::newString("Graph")},
                               {"/Parent", root},
                               {"/Dest", Handle::newArray({pages[1], Handle::newName("/Fit")})}}));
    root.replaceKey("/First", item);
    root.replaceKey("/Last", item);
    root.replaceKey("/Count", Handle::newInteger(1));
    pdf.getRoot().replaceKey("/Outlines", root);
    switch (place) {
    case Place::BookmarkAction:
    case Place::ActionPastTheBudget:
        item.removeKey("/Dest");
        item.replaceKey("/A", uriAction(graph));
        break;
    case Place::BookmarkColour:
        item.replaceKey("/C", Handle::newArray({graph, graph, graph}));
        break;
    case Place::NamedDestination: {
        auto dest = Handle::newArray({pages[1], Handle::newName("/XYZ"), graph, graph, graph});
        auto leaf = Handle::newArray({Handle::newString("wide"), dest});
        pdf.getRoot().replaceKey(
            "/Names",
            Handle::newDictionary(
                {{"/Dests", pdf.makeIndirectObject(Handle::newDictionary({{"/Names", leaf}}))}}));
        item.replaceKey("/Dest", Handle::newString("wide"));
        break;
    }
    case Place::LinkAnnotation:
        pages[0].replaceKey("/Annots",
                            Handle::newArray({pdf.makeIndirectObject(
                                Handle::newDictionary({{"/Type", Handle::newName("/Annot")},
                                                       {"/Subtype", Handle::newName("/Link")},
                                                       {"/Rect", Handle::parse("[0 0 10 10]")},
                                                       {"/A", uriAction(graph)}}))}));
        break;
    }
    // The writer keeps the name until it writes, so it must outlive the writer.
    const QByteArray temporary = name + ".tmp";
    QPDFWriter writer(pdf, temporary.constData());
    writer.write();
    QFile::remove(path);
    QFile::rename(path + ".tmp", path);
}

// How many levels of the graph the first bookmark's action still reaches in the file at
// `path`, read without a warning; -1 when it does not read cleanly.
int actionDepth(const QString& path)
{
    QPDF pdf;
    pdf.setSuppressWarnings(true);
    pdf.processFile(QFile::encodeName(path).constData());
    pdf.getAllObjects();
    if (pdf.anyWarnings())
        return -1;
    auto action = pdf.getRoot().getKey("/Outlines").getKey("/First").getKey("/A");
    auto node = action.isDictionary() ? action.getKey("/Next") : Handle::newNull();
    int depth = 0;
    for (; node.isArray() && node.getArrayNItems() == 40; node = node.getArrayItem(39))
        ++depth;
    return depth;
}

} // namespace

TEST(SharedGraph, IsCopiedOnceWhereverTheStructureCopiesIt)
{
    const struct
    {
        Place place;
        const char* name;
    } cases[] = {
        {Place::BookmarkAction, "bookmark action"},
        {Place::BookmarkColour, "bookmark colour"},
        {Place::NamedDestination, "named destination"},
        {Place::LinkAnnotation, "link annotation"},
        {Place::ActionPastTheBudget, "action past the budget"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const QString source = dir.path("wide.pdf");
        PdfSpec recipe;
        recipe.marker = "wide";
        makePdf(source, recipe);
        addGraph(source, c.place);
        const QString part = dir.path("part.pdf");
        const QString joined = dir.path("joined.pdf");
        // In a child: a copy that expands the graph would take gigabytes and minutes.
        const ChildResult result = runInChild(
            [&] {
                PDFLibrary lib;
                lib.setBookmarkMode(BookmarkMode::Keep);
                if (!lib.OpenDocument(source, QString()) || lib.PickPages("1-3") != 1 ||
                    !lib.WriteToFile(part))
                    return std::string("split failed");
                lib.NewPathList("L");
                lib.AppendToPathList("L", source);
                lib.AppendToPathList("L", source);
                if (lib.MergePathList("L", joined) != 2)
                    return "merge failed: " + std::to_string(lib.LastErrorNumber());
                return std::to_string(lib.takeWarnings().size());
            },
            {20, 0});
        ASSERT_TRUE(result.ok()) << result.describe();
        const bool overBudget = c.place == Place::ActionPastTheBudget;
        EXPECT_EQ(result.report, overBudget ? "1" : "0");
        EXPECT_LT(result.peakKb, 300 * 1024);
        const qint64 sourceSize = QFileInfo(source).size();
        EXPECT_LT(QFileInfo(part).size(), 2 * sourceSize + 20000);
        EXPECT_LT(QFileInfo(joined).size(), 3 * sourceSize + 20000);
        // The action is kept whole, or left out past the budget.
        const int depth = c.place == Place::BookmarkAction ? 7 : 0;
        EXPECT_EQ(actionDepth(part), depth);
        EXPECT_EQ(actionDepth(joined), depth);
    }
}
