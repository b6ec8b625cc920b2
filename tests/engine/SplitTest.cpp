// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "EngineTestUtil.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFAcroFormDocumentHelper.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageLabelDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <QFile>
#include <QFileInfo>
#include <map>
#include <set>

using namespace paginor;
using namespace paginor::test;

namespace {

struct Opened
{
    QPDF pdf;
    std::vector<QPDFObjectHandle> pages;
    explicit Opened(const QString& path)
    {
        pdf.setSuppressWarnings(true);
        pdf.processFile(QFile::encodeName(path).constData());
        for (auto& p : QPDFPageDocumentHelper(pdf).getAllPages())
            pages.push_back(p.getObjectHandle());
    }
};

} // namespace

TEST(Split, OutputHoldsTheChosenPagesInListOrder)
{
    TempDir dir;
    const QString src = makeFile(dir, "src.pdf", plain(12, "s"));
    const std::string before = fileBytes(src);
    PDFLibrary lib;
    ASSERT_TRUE(lib.OpenDocument(src, ""));
    EXPECT_EQ(lib.GetPageTotal(), 12);
    EXPECT_TRUE(lib.PostOpenStep());
    EXPECT_EQ(lib.PickPages("0"), 0);
    EXPECT_EQ(lib.LastErrorNumber(), int32_t(EngineError::BadPageList));
    EXPECT_EQ(lib.PickPages("13-20"), 0);
    EXPECT_EQ(lib.LastErrorNumber(), int32_t(EngineError::EmptySelection));
    EXPECT_EQ(lib.GetPageTotal(), 12); // failed picks leave the document as it was
    ASSERT_EQ(lib.PickPages("12-10,2,5,"), 1);
    EXPECT_EQ(lib.GetPageTotal(), 5);
    // A second pick selects among the pages now held.
    ASSERT_EQ(lib.PickPages("5,1-3"), 1);
    ASSERT_TRUE(lib.WriteToFile(dir.path("out.pdf")));
    EXPECT_EQ(pageTexts(dir.path("out.pdf")), expectedPages("s", {5, 12, 11, 10}));
    EXPECT_TRUE(readsCleanly(dir.path("out.pdf")));
    EXPECT_EQ(fileBytes(src), before);
}

TEST(Split, InformationEntriesVersionAndRawStreamsCarryOver)
{
    TempDir dir;
    const QString src = makeFile(dir, "src.pdf", plain(3, "i"));
    PDFLibrary lib;
    ASSERT_TRUE(lib.OpenDocument(src, ""));
    ASSERT_EQ(lib.PickPages("2"), 1);
    const QString text = QString::fromUtf8("Paginor (\xc3\xa9t\xc3\xa9)");
    for (int entry = 1; entry <= 6; ++entry)
        EXPECT_TRUE(lib.SetInfoEntry(entry, text + QString::number(entry)));
    EXPECT_FALSE(lib.SetInfoEntry(0, "x"));
    EXPECT_FALSE(lib.SetInfoEntry(7, "x"));
    ASSERT_TRUE(lib.WriteToFile(dir.path("out.pdf")));

    Opened out(dir.path("out.pdf"));
    auto info = out.pdf.getTrailer().getKey("/Info");
    const char* keys[] = {"/Author", "/Title", "/Subject", "/Keywords", "/Creator", "/Producer"};
    for (int entry = 1; entry <= 6; ++entry)
        EXPECT_EQ(info.getKey(keys[entry - 1]).getUTF8Value(),
                  (text + QString::number(entry)).toStdString());

    Opened in(src);
    // The input's 1.3 is raised to the 1.5 that object streams need.
    EXPECT_EQ(in.pdf.getPDFVersion(), "1.3");
    EXPECT_EQ(out.pdf.getPDFVersion(), "1.5");
    auto rawOf = [](QPDFObjectHandle page) {
        return page.getKey("/Contents").getRawStreamData()->getSize();
    };
    EXPECT_EQ(rawOf(out.pages.at(0)), rawOf(in.pages.at(1)));
    EXPECT_EQ(out.pages.at(0).getKey("/Contents").getKey("/Filter").unparse(),
              in.pages.at(1).getKey("/Contents").getKey("/Filter").unparse());
}

TEST(Split, APageTakenTwiceGivesTwoIndependentPages)
{
    TempDir dir;
    PdfSpec recipe = plain(3, "d");
    recipe.link = true;
    const QString src = makeFile(dir, "src.pdf", recipe);
    PDFLibrary lib;
    ASSERT_TRUE(lib.OpenDocument(src, ""));
    ASSERT_EQ(lib.PickPages("1,3,1"), 1);
    ASSERT_TRUE(lib.WriteToFile(dir.path("out.pdf")));
    EXPECT_EQ(pageTexts(dir.path("out.pdf")), expectedPages("d", {1, 3, 1}));

    Opened out(dir.path("out.pdf"));
    ASSERT_EQ(out.pages.size(), 3u);
    EXPECT_NE(out.pages[0].getObjGen(), out.pages[2].getObjGen());
    auto a0 = out.pages[0].getKey("/Annots");
    auto a2 = out.pages[2].getKey("/Annots");
    ASSERT_TRUE(a0.isArray() && a2.isArray());
    ASSERT_EQ(a0.getArrayNItems(), 1);
    ASSERT_EQ(a2.getArrayNItems(), 1);
    EXPECT_NE(a0.getArrayItem(0).getObjGen(), a2.getArrayItem(0).getObjGen());
    // Both copies link to the copy of the last page, which comes after the first.
    for (auto annots : {a0, a2})
        EXPECT_EQ(annots.getArrayItem(0).getKey("/Dest").getArrayItem(0).getObjGen(),
                  out.pages[1].getObjGen());
}

TEST(Split, LinksPointAtKeptPagesAndNowhereElse)
{
    // With a form the pages go through qpdf's copy, without one straight to the file.
    for (bool form : {false, true}) {
        SCOPED_TRACE(form ? "form" : "plain");
        TempDir dir;
        PdfSpec recipe = plain(4, "l");
        recipe.link = true;
        recipe.formField = form;
        const QString src = makeFile(dir, "src.pdf", recipe);
        struct Case
        {
            const char* list;
            int target; // output page the link reaches, -1 for none
        };
        for (auto c : {Case{"1,4", 1}, Case{"4,1", 0}, Case{"1-3", -1}, Case{"2,1,3,4", 3}}) {
            SCOPED_TRACE(c.list);
            PDFLibrary lib;
            ASSERT_TRUE(lib.OpenDocument(src, ""));
            ASSERT_EQ(lib.PickPages(c.list), 1);
            ASSERT_TRUE(lib.WriteToFile(dir.path("out.pdf")));
            ASSERT_TRUE(readsCleanly(dir.path("out.pdf")));
            Opened out(dir.path("out.pdf"));
            QPDFObjectHandle link;
            for (auto& page : out.pages)
                if (page.getKey("/Annots").isArray())
                    for (auto& annot : page.getKey("/Annots").getArrayAsVector())
                        if (annot.getKey("/Subtype").isNameAndEquals("/Link"))
                            link = annot;
            // A link whose target was not kept is removed, not left as a dead click.
            ASSERT_EQ(link.isDictionary(), c.target >= 0);
            if (c.target >= 0)
                EXPECT_EQ(link.getKey("/Dest").getArrayItem(0).getObjGen(),
                          out.pages.at(size_t(c.target)).getObjGen());
        }
    }
}

TEST(Split, LinksToDroppedPagesGoAndFormFieldsSurvive)
{
    TempDir dir;
    PdfSpec recipe = plain(4, "f");
    recipe.link = true;
    recipe.formField = true;
    const QString src = makeFile(dir, "src.pdf", recipe);
    PDFLibrary lib;
    ASSERT_TRUE(lib.OpenDocument(src, ""));
    ASSERT_EQ(lib.PickPages("1-2"), 1);
    ASSERT_TRUE(lib.WriteToFile(dir.path("out.pdf")));

    Opened out(dir.path("out.pdf"));
    QPDFAcroFormDocumentHelper form(out.pdf);
    ASSERT_TRUE(form.hasAcroForm());
    auto fields = form.getFormFields();
    ASSERT_EQ(fields.size(), 1u);
    EXPECT_EQ(fields[0].getFullyQualifiedName(), "name");
    EXPECT_EQ(fields[0].getValueAsString(), "Ada");
    auto widgets = form.getWidgetAnnotationsForPage(QPDFPageObjectHelper(out.pages[0]));
    EXPECT_EQ(widgets.size(), 1u);
    // The link's target page is not in this output: the link is gone, the field stays.
    for (auto& annot : out.pages[0].getKey("/Annots").getArrayAsVector())
        EXPECT_FALSE(annot.getKey("/Subtype").isNameAndEquals("/Link"));
}

TEST(Split, PerPageSplitOfSharedResourcesStaysSmall)
{
    // One dictionary for all pages, referenced by each page or inherited from the page tree.
    for (bool inherited : {false, true}) {
        SCOPED_TRACE(inherited ? "inherited" : "referenced");
        TempDir dir;
        PdfSpec recipe = plain(60, "r");
        recipe.sharedResources = true;
        const QString src = makeFile(dir, "src.pdf", recipe);
        if (inherited) {
            Opened in(src);
            auto shared = in.pages.at(0).getKey("/Resources");
            for (auto& page : in.pages)
                page.removeKey("/Resources");
            in.pdf.getRoot().getKey("/Pages").replaceKey("/Resources", shared.shallowCopy());
            // The writer keeps the name's pointer, so the bytes must outlive it.
            const QByteArray name = QFile::encodeName(src + ".new");
            QPDFWriter writer(in.pdf, name.constData());
            writer.write();
        }
        if (inherited)
            ASSERT_TRUE(QFile::remove(src) && QFile::rename(src + ".new", src));
        const qint64 sourceSize = QFileInfo(src).size();
        PDFLibrary lib;
        qint64 total = 0;
        for (int k = 1; k <= 60; ++k) {
            const QString out = dir.path(QString("part%1.pdf").arg(k));
            ASSERT_TRUE(lib.OpenDocument(src, ""));
            ASSERT_EQ(lib.PickPages(QString::number(k)), 1);
            ASSERT_TRUE(lib.WriteToFile(out));
            ASSERT_TRUE(lib.DropDocument(lib.DocumentIdAt(1)));
            if (k == 1 || k == 60)
                EXPECT_EQ(pageTexts(out), expectedPages("r", {k}));
            total += QFileInfo(out).size();
            // Only the page's own drawing goes with it.
            Opened part(out);
            auto xobjects = part.pages.at(0).getKey("/Resources").getKey("/XObject");
            EXPECT_EQ(xobjects.getKeys(), std::set<std::string>{"/X" + std::to_string(k)});
        }
        // Without dropping unused resources every part would carry all 60 drawings.
        EXPECT_LT(total, sourceSize * 3);
    }
}

// Producers pack most objects in object streams. Each part must get every object whole,
// whether no other part uses it or it is shared, and the first time as well as the next.
TEST(Split, ObjectsPackedInObjectStreamsCopyWhole)
{
    TempDir dir;
    PdfSpec recipe = plain(4, "o");
    recipe.uriLinks = 150;
    recipe.objectStreams = true;
    recipe.link = true; // page 1 links to page 4
    const QString src = makeFile(dir, "src.pdf", recipe);
    {
        // Some object stream holds links only, no page: the case worth testing.
        Opened source(src);
        std::set<int> withPages, all;
        for (const auto& [og, entry] : source.pdf.getXRefTable())
            if (entry.getType() == 2)
                all.insert(entry.getObjStreamNumber());
        for (auto& page : source.pages)
            withPages.insert(source.pdf.getXRefTable().at(page.getObjGen()).getObjStreamNumber());
        ASSERT_GT(all.size(), withPages.size());
    }
    auto uris = [](int k) {
        std::vector<std::string> result;
        for (int i = 1; i <= 150; ++i)
            result.push_back("https://example.org/o/" + std::to_string(k) + "/" +
                             std::to_string(i));
        return result;
    };
    PDFLibrary lib;
    for (int round = 1; round <= 2; ++round) {
        for (int k = 1; k <= 4; ++k) {
            const QString out = dir.path(QString("part%1-%2.pdf").arg(round).arg(k));
            ASSERT_TRUE(lib.OpenDocument(src, ""));
            ASSERT_EQ(lib.PickPages(QString::number(k)), 1);
            ASSERT_TRUE(lib.WriteToFile(out));
            EXPECT_EQ(pageTexts(out), expectedPages("o", {k}));
            EXPECT_EQ(linkTargets(out), std::vector<std::vector<std::string>>{uris(k)});
            EXPECT_TRUE(readsCleanly(out));
        }
        // Alone, page 1's link to page 4 would lead nowhere: it is removed.
        Opened first(dir.path(QString("part%1-1.pdf").arg(round)));
        EXPECT_EQ(first.pages.at(0).getKey("/Annots").getArrayNItems(), 150);
    }
    // Together, it points at the new page 4.
    ASSERT_TRUE(lib.OpenDocument(src, ""));
    ASSERT_EQ(lib.PickPages("1,4"), 1);
    ASSERT_TRUE(lib.WriteToFile(dir.path("both.pdf")));
    EXPECT_EQ(linkTargets(dir.path("both.pdf")),
              (std::vector<std::vector<std::string>>{uris(1), uris(4)}));
    Opened both(dir.path("both.pdf"));
    auto link = both.pages.at(0).getKey("/Annots").getArrayItem(150);
    EXPECT_EQ(link.getKey("/Dest").getArrayItem(0).getObjGen(), both.pages.at(1).getObjGen());
}

TEST(Split, PageLabelsFollowTheirPages)
{
    TempDir dir;
    PdfSpec recipe = plain(6, "lab");
    recipe.pageLabels = true;
    const QString labelled = makeFile(dir, "labelled.pdf", recipe);
    const QString bare = makeFile(dir, "bare.pdf", plain(2, "bare"));
    // "S/St" of each output page's label.
    auto labels = [](const QString& path) {
        Opened out(path);
        QPDFPageLabelDocumentHelper helper(out.pdf);
        std::vector<std::string> result;
        for (size_t i = 0; i < out.pages.size(); ++i) {
            auto label = helper.getLabelForPage(long(i));
            result.push_back(label.getKey("/S").unparse() + "/" +
                             std::to_string(label.getKey("/St").isInteger()
                                                ? label.getKey("/St").getIntValue()
                                                : 1));
        }
        return result;
    };
    PDFLibrary lib;
    ASSERT_TRUE(lib.OpenDocument(labelled, ""));
    ASSERT_EQ(lib.PickPages("2-4"), 1);
    ASSERT_TRUE(lib.WriteToFile(dir.path("out.pdf")));
    EXPECT_EQ(labels(dir.path("out.pdf")), (std::vector<std::string>{"/r/2", "/D/1", "/D/2"}));

    lib.NewPathList("L");
    lib.AppendToPathList("L", bare);
    lib.AppendToPathList("L", labelled);
    ASSERT_EQ(lib.MergePathList("L", dir.path("merged.pdf")), 2);
    const auto merged = labels(dir.path("merged.pdf"));
    ASSERT_EQ(merged.size(), 8u);
    EXPECT_EQ(merged[1], "/D/2");
    EXPECT_EQ(merged[2], "/r/1");
    EXPECT_EQ(merged[7], "/D/4");
}

// Pages listed from a nested page tree packed in object streams get what they inherit from
// every level, whether an output takes some of them or all, and in a merge.
TEST(Split, PagesInheritFromEveryLevelOfANestedTree)
{
    TempDir dir;
    PdfSpec recipe = plain(4, "n");
    recipe.objectStreams = true;
    const QString flat = makeFile(dir, "flat.pdf", recipe);
    const QString src = dir.path("src.pdf");
    {
        Opened in(flat);
        auto& p = in.pages;
        auto resources = p[2].getKey("/Resources");
        for (auto& page : p)
            page.removeKey("/MediaBox");
        p[3].replaceKey("/MediaBox", QPDFObjectHandle::parse("[0 0 200 200]"));
        p[2].removeKey("/Resources");
        p[3].removeKey("/Resources");
        auto root = in.pdf.getRoot().getKey("/Pages");
        auto node = [&](std::vector<QPDFObjectHandle> kids, const std::string& attributes) {
            auto made = in.pdf.makeIndirectObject(
                QPDFObjectHandle::parse("<< /Type /Pages /Count 2 " + attributes + " >>"));
            made.replaceKey("/Kids", QPDFObjectHandle::newArray(kids));
            made.replaceKey("/Parent", root);
            for (auto& kid : kids)
                kid.replaceKey("/Parent", made);
            return made;
        };
        auto first = node({p[0], p[1]}, "/MediaBox [0 0 300 400] /Rotate 90");
        auto second = node({p[2], p[3]}, "/MediaBox [0 0 500 600]");
        second.replaceKey("/Resources", resources);
        root.replaceKey("/Kids", QPDFObjectHandle::newArray({first, second}));
        const QByteArray name = QFile::encodeName(src);
        QPDFWriter writer(in.pdf, name.constData());
        writer.setObjectStreamMode(qpdf_o_generate);
        writer.write();
    }
    ASSERT_EQ(Opened(src).pdf.getRoot().getKey("/Pages").getKey("/Kids").getArrayNItems(), 2);

    struct Case
    {
        const char* what;
        std::vector<int> pages; // of the source
    };
    const std::vector<Case> cases = {{"some", {2, 3, 4}},
                                     {"one", {3}},
                                     {"all", {1, 2, 3, 4}},
                                     {"merge", {1, 2, 3, 4, 1, 2, 3, 4}}};
    const std::map<int, std::pair<std::string, int>> boxAndRotation = {{1, {"[ 0 0 300 400 ]", 90}},
                                                                       {2, {"[ 0 0 300 400 ]", 90}},
                                                                       {3, {"[ 0 0 500 600 ]", 0}},
                                                                       {4, {"[ 0 0 200 200 ]", 0}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PDFLibrary lib;
        const QString out = dir.path(QString(c.what) + ".pdf");
        if (std::string(c.what) == "merge") {
            lib.NewPathList("TmpList");
            ASSERT_TRUE(lib.AppendToPathList("TmpList", src) &&
                        lib.AppendToPathList("TmpList", src));
            ASSERT_EQ(lib.MergePathList("TmpList", out), 2);
        } else {
            ASSERT_TRUE(lib.OpenDocument(src, ""));
            const QString range = QString("%1-%2").arg(c.pages.front()).arg(c.pages.back());
            ASSERT_EQ(lib.PickPages(range), 1);
            ASSERT_TRUE(lib.WriteToFile(out));
        }
        EXPECT_EQ(pageTexts(out), expectedPages("n", c.pages));
        Opened result(out);
        ASSERT_EQ(result.pages.size(), c.pages.size());
        for (size_t i = 0; i < c.pages.size(); ++i) {
            QPDFPageObjectHelper page(result.pages[i]);
            const auto& [box, rotation] = boxAndRotation.at(c.pages[i]);
            EXPECT_EQ(page.getAttribute("/MediaBox", false).unparse(), box) << i;
            auto rotate = page.getAttribute("/Rotate", false);
            EXPECT_EQ(rotate.isInteger() ? int(rotate.getIntValue()) : 0, rotation) << i;
            EXPECT_TRUE(page.getAttribute("/Resources", false).getKey("/Font").isDictionary()) << i;
        }
    }
}
