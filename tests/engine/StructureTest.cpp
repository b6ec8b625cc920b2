// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

// Bookmarks, links and named destinations through splits and merges, checked by where each
// leads: the text of the page it reaches, never only that it exists.
#include "EngineTestUtil.h"
#include "engine/structure/StructurePlan.h"

#include <qpdf/QPDFAcroFormDocumentHelper.hh>
#include <qpdf/QPDFNameTreeObjectHelper.hh>
#include <qpdf/QPDFOutlineDocumentHelper.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <map>
#include <regex>

using namespace paginor;
using namespace paginor::test;

namespace {

struct Manual
{
    QString marker;
    std::string title; // the information dictionary's /Title, none when empty
    bool form = false; // page 1 carries a field "name" whose value is the marker
    bool damaged = false;
};

// An 8-page manual. Outline (C2 and App closed, App's own target missing):
//   C1>1 (S11>2 via (sec1.1), S12>3 via GoTo) | C2>5 via /chap2 (S21>6 via GoTo (sec2.1),
//   S22>7) | App>? (A1>8) | Web: a web address. C2's items keep their titles apart.
// Page 1 links, in order: 4, /chap2, (sec1.1), GoTo (sec2.1), GoTo [8], (gone), web. Page 8
// links to (intro). Seventy more names zz00..zz69 lead to page 8, so trees need kids; zz05 is
// spelled with delimiters and a byte beyond ASCII (kOddName, as written in the file).
// Damaged: S12's /Next loops back to S11, C1's /Count lies, a name-tree leaf lists the root
// among its kids, entries have wrong types (page 1 lists a stream among its annotations);
// objects are packed in object streams.
const std::string kOddName = "zz05\\(\\\\\\)\\351";

QString makeManual(const TempDir& dir, const QString& name, const Manual& m)
{
    PdfSpec recipe = plain(8, m.marker);
    recipe.formField = m.form;
    const QString raw = dir.path(name + ".raw");
    makePdf(raw, recipe);
    QPDF pdf;
    pdf.processFile(QFile::encodeName(raw).constData());
    auto pages = pdf.getAllPages();
    auto parse = [&](std::string text) {
        // "@k" stands for page k.
        std::smatch at;
        while (std::regex_search(text, at, std::regex("@(\\d)"))) {
            auto og = pages.at(size_t(std::stoi(at[1].str()) - 1)).getObjGen();
            text.replace(size_t(at.position(0)), 2, og.unparse(' ') + " R");
        }
        return QPDFObjectHandle::parse(&pdf, text);
    };
    auto root = pdf.getRoot();
    struct Item
    {
        const char* title;
        int parent;
        const char* keys;
    };
    const Item items[] = {
        {"C1", -1, "/Dest [@1 /XYZ 0 700 null] /Count 2"},
        {"S11", 0, "/Dest (sec1.1)"},
        {"S12", 0, "/A << /S /GoTo /D [@3 /FitH 500] >>"},
        {"C2", -1, "/Dest /chap2 /Count -2 /C [1 0 0] /F 2"},
        {"S21", 3, "/A << /S /GoTo /D (sec2.1) >>"},
        {"S22", 3, "/Dest [@7 /Fit]"},
        {"App", -1, "/Dest (missing)"},
        {"A1", 6, "/Dest [@8 /Fit]"},
        {"Web", -1, "/A << /S /URI /URI (https://example.org/) >>"},
    };
    auto outlines = pdf.makeIndirectObject(parse("<< /Type /Outlines >>"));
    std::vector<QPDFObjectHandle> made;
    for (const auto& item : items) {
        auto dict = pdf.makeIndirectObject(parse(std::string("<< ") + item.keys + " >>"));
        auto title = QPDFObjectHandle::newString(item.title);
        // Some producers store each title as an object of its own.
        dict.replaceKey("/Title", item.parent == 3 ? pdf.makeIndirectObject(title) : title);
        auto parent = item.parent < 0 ? outlines : made.at(size_t(item.parent));
        dict.replaceKey("/Parent", parent);
        if (!parent.hasKey("/First"))
            parent.replaceKey("/First", dict);
        else
            parent.getKey("/Last").replaceKey("/Next", dict);
        parent.replaceKey("/Last", dict);
        made.push_back(dict);
    }
    root.replaceKey("/Outlines", outlines);
    root.replaceKey("/Dests", parse("<< /chap2 << /D [@5 /XYZ 0 792 0] >> >>"));
    std::string fillers;
    for (int i = 0; i < 70; ++i)
        fillers +=
            i == 5 ? "(" + kOddName + ") [@8 /Fit] "
                   : "(zz" + std::string(i < 10 ? "0" : "") + std::to_string(i) + ") [@8 /Fit] ";
    auto leaf1 = pdf.makeIndirectObject(parse("<< /Limits [(gone) (sec1.1)] /Names [(gone) "
                                              "[999 0 R /Fit] (intro) [@1 /Fit] (sec1.1) "
                                              "[@2 /XYZ 10 20 1.5]] >>"));
    auto leaf2 = pdf.makeIndirectObject(
        parse("<< /Limits [(sec2.1) (zz69)] /Names [(sec2.1) [@6 /Fit] " + fillers + "] >>"));
    auto tree = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
    tree.replaceKey("/Kids", QPDFObjectHandle::newArray({leaf1, leaf2}));
    root.replaceKey("/Names", QPDFObjectHandle::newDictionary());
    root.getKey("/Names").replaceKey("/Dests", tree);

    auto first = pages.at(0);
    if (!first.getKey("/Annots").isArray())
        first.replaceKey("/Annots", QPDFObjectHandle::newArray());
    for (const char* target : {"/Dest [@4 /Fit]", "/Dest /chap2", "/Dest (sec1.1)",
                               "/A << /S /GoTo /D (sec2.1) >>", "/A << /S /GoTo /D [@8 /Fit] >>",
                               "/Dest (gone)", "/A << /S /URI /URI (https://example.org/) >>"})
        first.getKey("/Annots").appendItem(pdf.makeIndirectObject(parse(
            std::string("<< /Type /Annot /Subtype /Link /Rect [0 0 9 9] ") + target + " >>")));
    pages.at(7).replaceKey(
        "/Annots", parse("[<< /Type /Annot /Subtype /Link /Rect [0 0 9 9] /Dest (intro) >>]"));
    if (m.form)
        root.getKey("/AcroForm")
            .getKey("/Fields")
            .getArrayItem(0)
            .replaceKey("/V", QPDFObjectHandle::newString(m.marker.toStdString()));
    if (!m.title.empty()) {
        auto info = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
        info.replaceKey("/Title", QPDFObjectHandle::newString(m.title));
        pdf.getTrailer().replaceKey("/Info", info);
    }
    if (m.damaged) {
        // Wrong types: a bookmark without title or target, keys and values that are not
        // names or destinations, a link whose destination is a number.
        made.at(8).replaceKey("/First", parse("<< /Title 7 /Parent " +
                                              made.at(8).getObjGen().unparse(' ') + " R >>"));
        leaf1.getKey("/Names").appendItem(QPDFObjectHandle::newInteger(42));
        leaf1.getKey("/Names").appendItem(parse("[@1 /Fit]"));
        leaf1.getKey("/Names").appendItem(QPDFObjectHandle::newString("odd"));
        root.getKey("/Dests").replaceKey("/bad", QPDFObjectHandle::newInteger(7));
        first.getKey("/Annots").appendItem(
            parse("<< /Type /Annot /Subtype /Link /Rect [0 0 9 9] /Dest 12 >>"));
        // A stream among page 1's annotations: the form's copy drops it, shifting the rest.
        auto stream = QPDFObjectHandle::newStream(&pdf, "");
        stream.getDict().replaceKey("/Subtype", QPDFObjectHandle::newName("/Text"));
        first.getKey("/Annots").insertItem(0, stream);
        made.at(2).replaceKey("/Next", made.at(1));
        made.at(0).replaceKey("/Count", QPDFObjectHandle::newInteger(99999));
        leaf2.replaceKey("/Kids", QPDFObjectHandle::newArray({tree}));
    }
    const QString path = dir.path(name);
    const QByteArray fileName = QFile::encodeName(path); // the writer keeps its pointer
    QPDFWriter w(pdf, fileName.constData());
    w.setStaticID(true);
    if (m.damaged) // and its trees are read out of object streams
        w.setObjectStreamMode(qpdf_o_generate);
    w.write();
    return path;
}

// An output read back with qpdf's own readers.
class Output
{
public:
    explicit Output(const QString& path)
    {
        m_pdf.setSuppressWarnings(true);
        m_pdf.processFile(QFile::encodeName(path).constData());
        for (auto& text : pageTexts(path)) {
            // "a page 3" -> "a3"; a later copy of a page is marked "a3'".
            std::string shortText = std::regex_replace(text, std::regex(" page "), "");
            m_texts.push_back(shortText + (seen(shortText) ? "'" : ""));
        }
        auto pages = m_pdf.getAllPages();
        for (size_t i = 0; i < pages.size(); ++i)
            m_pageAt.emplace(pages[i].getObjGen(), i);
    }

    // "C1>a1(S11>a2 ...) -C2>..." with "-" for a closed item; checks every /Count.
    std::string outline()
    {
        QPDFOutlineDocumentHelper helper(m_pdf);
        auto top = helper.getTopLevelOutlines();
        auto root = m_pdf.getRoot().getKey("/Outlines");
        if (!top.empty())
            EXPECT_EQ(root.getKey("/Count").getIntValue(), visible(top));
        return items(top);
    }

    // "a1:[a4 a5 uri]" for each page with links: where each link leads.
    std::string links()
    {
        std::string result;
        auto pages = m_pdf.getAllPages();
        for (size_t i = 0; i < pages.size(); ++i) {
            std::string list;
            for (auto& annot : pages[i].getKey("/Annots").getArrayAsVector())
                if (annot.getKey("/Subtype").isNameAndEquals("/Link"))
                    list += (list.empty() ? "" : " ") + leadsTo(annot);
            if (!list.empty())
                result += (result.empty() ? "" : " ") + m_texts[i] + ":[" + list + "]";
        }
        return result;
    }

    // "intro>a1 sec1.1>a2" for the named destinations apart from the zz fillers, counted.
    std::string names(int& fillers)
    {
        std::string result;
        fillers = 0;
        auto dests = m_pdf.getRoot().getKey("/Names").getKey("/Dests");
        if (!dests.isDictionary())
            return result;
        for (auto& [name, dest] : QPDFNameTreeObjectHelper(dests, m_pdf)) {
            if (name.rfind("zz", 0) == 0) {
                EXPECT_EQ(where(dest).back(), '8') << name;
                ++fillers;
                continue;
            }
            result += (result.empty() ? "" : " ") + name + ">" + where(dest);
        }
        return result;
    }

    QPDF& pdf() { return m_pdf; }

private:
    bool seen(const std::string& text) const
    {
        for (const auto& t : m_texts)
            if (t == text)
                return true;
        return false;
    }

    std::string where(QPDFObjectHandle dest)
    {
        if (dest.isName() || dest.isString())
            dest = QPDFOutlineDocumentHelper(m_pdf).resolveNamedDest(dest);
        if (dest.isDictionary())
            dest = dest.getKey("/D");
        if (!dest.isArray() || dest.getArrayNItems() < 2)
            return "?";
        auto found = m_pageAt.find(dest.getArrayItem(0).getObjGen());
        return found == m_pageAt.end() ? "?" : m_texts[found->second];
    }

    std::string leadsTo(QPDFObjectHandle holder)
    {
        auto action = holder.getKey("/A");
        if (action.getKey("/S").isNameAndEquals("/URI"))
            return "uri";
        if (action.getKey("/S").isNameAndEquals("/GoTo"))
            return where(action.getKey("/D"));
        return where(holder.getKey("/Dest"));
    }

    int visible(std::vector<QPDFOutlineObjectHelper>& list)
    {
        int count = 0;
        for (auto& item : list) {
            auto kids = item.getKids();
            count += 1 + (item.getCount() > 0 ? visible(kids) : 0);
        }
        return count;
    }

    std::string items(std::vector<QPDFOutlineObjectHelper> list)
    {
        std::string result;
        for (auto& item : list) {
            auto kids = item.getKids();
            if (!kids.empty())
                EXPECT_EQ(std::abs(item.getCount()), visible(kids)) << item.getTitle();
            result += (result.empty() ? "" : " ") + std::string(item.getCount() < 0 ? "-" : "") +
                      item.getTitle() + ">" + leadsTo(item.getObjectHandle());
            if (!kids.empty())
                result += "(" + items(kids) + ")";
        }
        return result;
    }

    QPDF m_pdf;
    std::vector<std::string> m_texts;
    std::map<QPDFObjGen, size_t> m_pageAt;
};

const std::string kWholeOutline =
    "C1>m1(S11>m2 S12>m3) -C2>m5(S21>m6 S22>m7) -App>m8(A1>m8) Web>uri";

} // namespace

TEST(Structure, EverySplitKeepsWhatLeadsToItsPages)
{
    struct Case
    {
        const char* pages;
        std::string outline, links, names;
        int fillers;
    };
    const Case cases[] = {
        // Pages per file, parts 1-3 and 7-8.
        {"1-3", "C1>m1(S11>m2 S12>m3)", "m1:[m2 uri]", "intro>m1 sec1.1>m2", 0},
        {"7-8", "-C2>m7(S22>m7) -App>m8(A1>m8)", "", "", 70},
        // A range; ancestors whose page went lead to the first kept page below them.
        {"4-6", "-C2>m5(S21>m6)", "", "chap2>m5 sec2.1>m6", 0},
        {"1,3,5,7", "C1>m1(S12>m3) -C2>m5(S22>m7)", "m1:[m5 uri]", "chap2>m5 intro>m1", 0},
        {"2,4,6,8", "C1>m2(S11>m2) -C2>m6(S21>m6) -App>m8(A1>m8)", "", "sec1.1>m2 sec2.1>m6", 70},
        // A page taken twice: everything leads to its first copy.
        {"5,1,1,2", "C1>m1(S11>m2) C2>m5", "m1:[m5 m2 uri] m1':[m5 m2 uri]",
         "chap2>m5 intro>m1 sec1.1>m2", 0},
        {"1-8", kWholeOutline, "m1:[m4 m5 m2 m6 m8 uri] m8:[m1]",
         "chap2>m5 intro>m1 sec1.1>m2 sec2.1>m6", 70},
    };
    // With a form the pages go through the document builder, without one straight to the file.
    for (bool form : {false, true}) {
        for (bool damaged : {false, true}) {
            TempDir dir;
            const QString src = makeManual(dir, "m.pdf", {"m", "", form, damaged});
            PDFLibrary lib;
            for (const auto& c : cases) {
                SCOPED_TRACE(std::string(c.pages) + (form ? " form" : "") +
                             (damaged ? " damaged" : ""));
                ASSERT_TRUE(lib.OpenDocument(src, ""));
                ASSERT_EQ(lib.PickPages(c.pages), 1);
                ASSERT_TRUE(lib.WriteToFile(dir.path("out.pdf")));
                ASSERT_TRUE(readsCleanly(dir.path("out.pdf")));
                Output out(dir.path("out.pdf"));
                EXPECT_EQ(out.outline(), c.outline);
                EXPECT_EQ(out.links(), c.links);
                int fillers = 0;
                EXPECT_EQ(out.names(fillers), c.names);
                EXPECT_EQ(fillers, c.fillers);
            }
            // Without bookmarks the links still lead where they did.
            lib.setBookmarkMode(BookmarkMode::None);
            ASSERT_TRUE(lib.OpenDocument(src, ""));
            ASSERT_TRUE(lib.WriteToFile(dir.path("out.pdf")));
            Output out(dir.path("out.pdf"));
            EXPECT_EQ(out.outline(), "");
            EXPECT_EQ(out.links(), "m1:[m4 m5 m2 m6 m8 uri] m8:[m1]");
        }
    }
}

TEST(Structure, AMergeGivesEachInputItsEntryAndKeepsEveryLink)
{
    auto whole = [](const std::string& marker) {
        return std::regex_replace(kWholeOutline, std::regex("m(\\d)"), marker + "$1");
    };
    for (bool form : {false, true}) {
        SCOPED_TRACE(form ? "form" : "plain");
        TempDir dir;
        const QStringList inputs = {makeManual(dir, "a.pdf", {"a", "Alpha Manual", form}),
                                    makeManual(dir, "b.PDF", {"b", "  ", form, true}),
                                    makeFile(dir, "c.pdf", plain(1, "c"))};
        struct Case
        {
            BookmarkMode mode;
            std::string outline;
        };
        const Case cases[] = {
            {BookmarkMode::PerFile,
             "Alpha Manual>a1(" + whole("a") + ") b>b1(" + whole("b") + ") c>c1"},
            {BookmarkMode::Keep, whole("a") + " " + whole("b")},
            {BookmarkMode::None, ""},
        };
        for (const auto& c : cases) {
            PDFLibrary lib;
            lib.setBookmarkMode(c.mode);
            lib.NewPathList("L");
            for (const auto& input : inputs)
                lib.AppendToPathList("L", input);
            ASSERT_EQ(lib.MergePathList("L", dir.path("out.pdf")), 3);
            ASSERT_TRUE(readsCleanly(dir.path("out.pdf")));
            Output out(dir.path("out.pdf"));
            EXPECT_EQ(out.outline(), c.outline);
            // The second input's names were renamed, and its links with them.
            EXPECT_EQ(out.links(),
                      "a1:[a4 a5 a2 a6 a8 uri] a8:[a1] b1:[b4 b5 b2 b6 b8 uri] b8:[b1]");
            int fillers = 0;
            EXPECT_EQ(out.names(fillers), "chap2>a5 chap2-2>b5 intro>a1 intro-2>b1 sec1.1>a2 "
                                          "sec1.1-2>b2 sec2.1>a6 sec2.1-2>b6");
            EXPECT_EQ(fillers, 140);
            QPDFNameTreeObjectHelper tree(out.pdf().getRoot().getKey("/Names").getKey("/Dests"),
                                          out.pdf());
            // Found through the leaves' limits; names are kept in UTF-8.
            EXPECT_TRUE(tree.hasName("zz05(\\)\xc3\xa9"));
            if (!form)
                continue;
            // Fields of the same name stay two fields, each with its own value.
            QPDFAcroFormDocumentHelper fields(out.pdf());
            std::map<std::string, std::string> values;
            for (auto& field : fields.getFormFields())
                values[field.getValueAsString()] = field.getFullyQualifiedName();
            ASSERT_EQ(values.size(), 2u);
            EXPECT_EQ(values["a"], "name");
            EXPECT_NE(values["b"], "name");
        }
    }
}

TEST(Structure, ARenamedDestinationKeepsItsKeysEncoding)
{
    const struct
    {
        std::string key, renamed;
    } cases[] = {
        {"intro", "intro-2"},
        {std::string("caf\xe9\0z", 6), std::string("caf\xe9\0z-2", 8)}, // bytes stay bytes
        {std::string("\xfe\xff\0\xe9", 4), std::string("\xfe\xff\0\xe9\0-\0"
                                                       "2",
                                                       8)},
        {std::string("\xfe\xff\0", 3), std::string("\xfe\xff\0-2", 5)}, // odd: not UTF-16
    };
    for (const auto& c : cases)
        EXPECT_EQ(numberedName(c.key, 2), c.renamed);
}
