// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

// Merges that lay pages out beyond joining files in order: interleaving, reversed inputs,
// blank pages after odd inputs, turned pages and a contents page, through both writers.
#include "EngineTestUtil.h"

#include <qpdf/QPDFPageDocumentHelper.hh>

using namespace paginor;
using namespace paginor::test;

namespace {

struct Row
{
    QString pageList;
    int rotate = 0;
    bool reverse = false;
};

struct ShapeCase
{
    const char* name;
    MergeShape shape;
    std::vector<Row> rows;            // for inputs a (3 pages, labelled), b (2) and c (1)
    std::vector<std::string> pages;   // each output page's text: "a1" for "a page 1", "" blank
    std::vector<int> rotates;         // each output page's /Rotate; empty: all 0
    std::vector<int> linkTargets;     // the contents page's links, by output page
    std::vector<std::string> numbers; // the page numbers the contents page shows
};

MergeShape shape(bool interleave, bool padOdd, bool contents)
{
    MergeShape s;
    s.interleave = interleave;
    s.padOdd = padOdd;
    s.contents = contents;
    return s;
}

std::vector<std::string> shortTexts(const QString& path)
{
    std::vector<std::string> out;
    for (const std::string& text : pageTexts(path)) {
        const auto at = text.find(" page ");
        out.push_back(at == std::string::npos ? text : text.substr(0, at) + text.substr(at + 6));
    }
    return out;
}

} // namespace

TEST(MergeShape, PagesLandWhereTheJobPutsThem)
{
    const std::vector<ShapeCase> cases = {
        {"interleave, uneven inputs",
         shape(true, false, false),
         {}, //
         {"a1", "b1", "c1", "a2", "b2", "a3"}},
        {"interleave, b reversed",
         shape(true, false, false),
         {{}, {"", 0, true}},
         {"a1", "b2", "c1", "a2", "b1", "a3"}},
        {"page list before reverse",
         shape(true, false, false),
         {{"3,1", 0, true}},
         {"a1", "b1", "c1", "a3", "b2"}},
        {"blank after odd inputs but the last",
         shape(false, true, false),
         {},
         {"a1", "a2", "a3", "", "b1", "b2", "c1"}},
        {"turned pages add to their own turn",
         shape(false, false, false),
         {{"", 90}, {}, {"", -90}},
         {"a1", "a2", "a3", "b1", "b2", "c1"},
         {90, 90, 90, 0, 0, 270}},
        {"contents first, numbered by labels",
         shape(false, false, true),
         {},
         {"Contents", "a1", "a2", "a3", "b1", "b2", "c1"},
         {},
         {1, 4, 6},
         {"i", "1", "1"}},
        {"contents of an interleaved merge",
         shape(true, true, true),
         {{"1-2"}, {"1"}},
         {"Contents", "a1", "b1", "c1", "a2", ""},
         {},
         {1, 2, 3},
         {"i", "1", "1"}},
    };
    for (bool form : {false, true}) {
        TempDir dir;
        PdfSpec a = plain(3, "a");
        a.pageLabels = true; // i, ii, 1
        a.formField = form;  // a form takes the writer that copies pages with qpdf
        const QStringList inputs = {makeFile(dir, "a.pdf", a),
                                    makeFile(dir, "b.pdf", plain(2, "b")),
                                    makeFile(dir, "c.pdf", plain(1, "c"))};
        for (const ShapeCase& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (form ? ", form" : ""));
            PDFLibrary lib;
            lib.setMergeShape(c.shape);
            lib.NewPathList("TmpList");
            for (int i = 0; i < inputs.size(); ++i) {
                const Row row = size_t(i) < c.rows.size() ? c.rows[size_t(i)] : Row();
                lib.AppendToPathList("TmpList", inputs[i], {}, row.pageList, row.rotate,
                                     row.reverse);
            }
            const QString out = dir.path("out.pdf");
            ASSERT_EQ(lib.MergePathList("TmpList", out), 3);
            EXPECT_TRUE(readsCleanly(out));
            EXPECT_EQ(shortTexts(out), c.pages);

            QPDF pdf;
            pdf.processFile(QFile::encodeName(out).constData());
            auto pages = QPDFPageDocumentHelper(pdf).getAllPages();
            std::vector<int> rotates;
            for (auto& page : pages)
                rotates.push_back(page.getObjectHandle().getKey("/Rotate").isInteger()
                                      ? int(page.getObjectHandle().getKey("/Rotate").getIntValue())
                                      : 0);
            EXPECT_EQ(rotates, c.rotates.empty() ? std::vector<int>(pages.size(), 0) : c.rotates);
            if (c.linkTargets.empty())
                continue;
            std::vector<int> targets;
            for (auto& link : pages[0].getObjectHandle().getKey("/Annots").aitems())
                for (size_t p = 0; p < pages.size(); ++p)
                    if (link.getKey("/Dest").getArrayItem(0).getObjGen() ==
                        pages[p].getObjectHandle().getObjGen())
                        targets.push_back(int(p));
            EXPECT_EQ(targets, c.linkTargets);
            const std::string content = pageContents(out)[0];
            for (const std::string& number : c.numbers)
                EXPECT_NE(content.find("(" + number + ") Tj"), std::string::npos) << number;
            EXPECT_EQ(
                pdf.getRoot().getKey("/Outlines").getKey("/First").getKey("/Title").getUTF8Value(),
                "Contents");
        }
    }
}

TEST(MergeShape, ATurnNotAMultipleOf90IsRefusedBeforeWriting)
{
    TempDir dir;
    PDFLibrary lib;
    lib.NewPathList("TmpList");
    lib.AppendToPathList("TmpList", makeFile(dir, "a.pdf", plain(1, "a")));
    lib.AppendToPathList("TmpList", makeFile(dir, "b.pdf", plain(1, "b")), {}, {}, 45);
    EXPECT_EQ(lib.MergePathList("TmpList", dir.path("out.pdf")), 1);
    EXPECT_EQ(lib.LastErrorNumber(), int32_t(EngineError::BadArgument));
    EXPECT_FALSE(QFile::exists(dir.path("out.pdf")));
}
