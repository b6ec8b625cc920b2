// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

// Structure trees made with qpdf: damage of every kind, clashes between inputs, both writers,
// untagged inputs and dropping the structure, all judged by the structure check.
#include "engine/PDFLibrary.h"
#include "engine/SourceDocument.h"
#include "support/CliRun.h"
#include "support/PdfFactory.h"
#include "support/TagCheck.h"
#include "support/TagFactory.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFNameTreeObjectHelper.hh>

#include <QFile>
#include <algorithm>
#include <gtest/gtest.h>
#include <malloc.h>

using namespace paginor;
using namespace paginor::test;

namespace {

QString tagged(const TempDir& dir, const QString& name, TaggedSpec recipe = {})
{
    recipe.marker = name;
    const QString path = dir.path(name + ".pdf");
    makeTaggedPdf(path, recipe);
    return path;
}

// Writes pages `list` of `source` to `out` through the engine; returns its warnings.
std::vector<QString> split(const QString& source, const QString& list, const QString& out,
                           bool keep = true)
{
    PDFLibrary lib;
    lib.setStructureKept(keep);
    EXPECT_TRUE(lib.OpenDocument(source, ""));
    EXPECT_EQ(lib.PickPages(list), 1);
    EXPECT_TRUE(lib.WriteToFile(out));
    return lib.takeWarnings();
}

std::vector<QString> merge(const QStringList& inputs, const QString& out,
                           BookmarkMode mode = BookmarkMode::PerFile, bool keep = true)
{
    PDFLibrary lib;
    lib.setBookmarkMode(mode);
    lib.setStructureKept(keep);
    lib.NewPathList("l");
    for (const auto& input : inputs)
        lib.AppendToPathList("l", input);
    EXPECT_EQ(lib.MergePathList("l", out), int32_t(inputs.size()));
    return lib.takeWarnings();
}

// Every fault is the named marked content left unreached; returns how many there are.
int unreachedOnly(const TagReport& report)
{
    for (const auto& fault : report.faults)
        EXPECT_NE(fault.find("not reached"), std::string::npos) << fault;
    return int(report.faults.size());
}

struct Damage
{
    const char* name;
    std::function<void(TaggedParts&)> apply;
    const char* warning; // a part of the warning expected, "" for none
    int unreached;       // marked content that no repair can place
    int unused;          // claims the pages never use, kept as harmless
};

} // namespace

TEST(Tags, DamagedTreesAreRepairedWithAWarningAndNeverFail)
{
    auto parse = [](const std::string& text) {
        return QPDFObjectHandle::parse(text);
    };
    const Damage damages[] = {
        {"loop in /K", [](TaggedParts& t) { t.headings[1].getKey("/K").appendItem(t.document); },
         "loop", 0, 0},
        {"loop in /P", [](TaggedParts& t) { t.notes[0].replaceKey("/P", t.notes[0]); }, "", 0, 0},
        {"parent tree loops and lies",
         [&](TaggedParts& t) {
             t.parentTree.replaceKey("/Kids", parse("[]"));
             t.parentTree.getKey("/Kids").appendItem(t.parentTree);
             t.parentTree.getKey("/Nums").setArrayItem(1, parse("[null 7 (x)]"));
         },
         "", 0, 0},
        {"missing /Pg, found in the parent tree",
         [](TaggedParts& t) { t.headings[1].removeKey("/Pg"); }, "placed through the parent tree",
         0, 0},
        {"missing /Pg, nowhere to be found",
         [&](TaggedParts& t) {
             t.headings[1].removeKey("/Pg");
             t.parentTree.getKey("/Nums").setArrayItem(3, parse("[]"));
         },
         "left out", 1, 0},
        {"wrong types",
         [&](TaggedParts& t) {
             t.headings[0].replaceKey("/S", parse("5"));
             t.notes[2].replaceKey("/K", parse("(text)"));
             t.links[2].replaceKey("/Pg", parse("7"));
             t.document.getKey("/K").appendItem(parse("42"));
         },
         "wrong type", 1, 0},
        {"a /StructParents key the parent tree lacks",
         [&](TaggedParts& t) { t.pages[2].replaceKey("/StructParents", parse("99")); }, "", 0, 0},
        {"attributes holding a wide graph of shared objects",
         [&](TaggedParts& t) {
             // 7 levels of 40 references each to the next: 40^7 paths, copied path by path.
             auto level = t.pdf->makeIndirectObject(parse("[1]"));
             for (int depth = 0; depth < 7; ++depth) {
                 auto wider = t.pdf->makeIndirectObject(QPDFObjectHandle::newArray());
                 for (int i = 0; i < 40; ++i)
                     wider.appendItem(level);
                 level = wider;
             }
             auto attributes = parse("<< /O /Layout >>");
             attributes.replaceKey("/Wide", level);
             t.notes[0].replaceKey("/A", attributes);
         },
         "too large", 0, 0},
        {"an MCID the page never uses",
         [&](TaggedParts& t) { t.headings[0].getKey("/K").appendItem(parse("9")); }, "", 0, 1},
    };
    for (const auto& damage : damages) {
        SCOPED_TRACE(damage.name);
        TempDir dir;
        TaggedSpec recipe;
        recipe.damage = damage.apply;
        const QString source = tagged(dir, "d", recipe);
        const QString clean = tagged(dir, "c");
        for (int run = 0; run < 2; ++run) {
            const QString out = dir.path(run ? "merged.pdf" : "split.pdf");
            const auto warnings = run ? merge({clean, source}, out) : split(source, "1-3", out);
            const auto report = checkTags(out);
            EXPECT_TRUE(report.tree);
            EXPECT_EQ(unreachedOnly(report), damage.unreached) << faultText(report);
            EXPECT_EQ(report.unusedClaims, damage.unused);
            if (*damage.warning) {
                const auto found =
                    std::find_if(warnings.begin(), warnings.end(), [&](const QString& warning) {
                        return warning.startsWith(source) && warning.contains(damage.warning);
                    });
                EXPECT_NE(found, warnings.end()) << warnings.size();
            } else {
                EXPECT_TRUE(warnings.empty()) << warnings.front().toStdString();
            }
        }
    }
}

// Both writers take the tree from one plan: a page taken twice and a form field send a split
// and a merge to the writer that builds a document, with the same tree as the other's.
TEST(Tags, BothWritersGiveTheSameTree)
{
    TempDir dir;
    TaggedSpec withForm;
    withForm.form = true;
    const QString a = tagged(dir, "a"), b = tagged(dir, "b"), f = tagged(dir, "f", withForm);
    split(a, "2,1", dir.path("direct.pdf"));
    split(a, "2,1,2", dir.path("built.pdf"));
    merge({a, b}, dir.path("direct-merge.pdf"));
    merge({a, f}, dir.path("built-merge.pdf"));
    auto direct = checkTags(dir.path("direct.pdf"));
    auto built = checkTags(dir.path("built.pdf"));
    EXPECT_TRUE(direct.faults.empty()) << faultText(direct);
    EXPECT_TRUE(direct.marked);
    // The second copy of page 2 has no structure of its own: its 3 marked runs go unreached,
    // and the file no longer claims to be marked.
    EXPECT_EQ(unreachedOnly(built), 3);
    EXPECT_FALSE(built.marked);
    EXPECT_EQ(built.types, direct.types);
    EXPECT_EQ(built.reached, direct.reached);
    EXPECT_EQ(built.objectKids, direct.objectKids);
    auto directMerge = checkTags(dir.path("direct-merge.pdf"));
    auto builtMerge = checkTags(dir.path("built-merge.pdf"));
    for (const auto* report : {&directMerge, &builtMerge}) {
        EXPECT_TRUE(report->faults.empty()) << faultText(*report);
        EXPECT_TRUE(report->marked);
        EXPECT_EQ(report->reached, 2 * (3 * 3 + 2));
        EXPECT_EQ(report->objectKids, 6);
        EXPECT_EQ(report->types.at("/Part"), 2);
    }
    EXPECT_EQ(builtMerge.types, directMerge.types);
    EXPECT_EQ(builtMerge.alt, (std::vector<std::string>{"a figure", "f figure"}));
}

// Two inputs give /Note and the class /Box other meanings, and use the same IDs: the second's
// are renamed, with every use, and a different language goes on its top element.
TEST(Tags, ClashingRolesClassesAndIdsAreRenamed)
{
    TempDir dir;
    TaggedSpec other;
    other.noteRole = "/Span";
    other.boxColor = "0 0 1";
    other.lang = "de-DE";
    const QString a = tagged(dir, "a"), b = tagged(dir, "b", other);
    merge({a, b}, dir.path("out.pdf"), BookmarkMode::Keep);
    auto report = checkTags(dir.path("out.pdf"));
    EXPECT_TRUE(report.faults.empty()) << faultText(report);
    EXPECT_EQ(report.lang, "en-GB");
    EXPECT_EQ(report.types.at("/Note"), 3);
    EXPECT_EQ(report.types.at("/Note-2"), 3);

    QPDF pdf;
    pdf.processFile(QFile::encodeName(dir.path("out.pdf")).constData());
    auto root = pdf.getRoot().getKey("/StructTreeRoot");
    EXPECT_EQ(root.getKey("/RoleMap").unparse(), "<< /Note /P /Note-2 /Span >>");
    EXPECT_EQ(root.getKey("/ClassMap").getKey("/Box-2").getKey("/Color").unparse(), "[ 0 0 1 ]");
    QPDFNameTreeObjectHelper ids(root.getKey("/IDTree"), pdf);
    for (const char* id : {"h1", "h1-2", "th", "th-2"})
        EXPECT_TRUE(ids.hasName(id)) << id;
    // b's elements sit side by side with a's under one /Document, with b's language.
    auto top = root.getKey("/K").getArrayItem(0);
    EXPECT_EQ(top.getKey("/S").getName(), "/Document");
    std::vector<std::string> bIds, headers;
    for (auto& kid : top.getKey("/K").aitems()) {
        const bool fromB = kid.getKey("/Lang").isString();
        if (fromB)
            EXPECT_EQ(kid.getKey("/Lang").getUTF8Value(), "de-DE");
        if (fromB && kid.getKey("/S").isNameAndEquals("/Note"))
            ADD_FAILURE() << "b's /Note was not renamed";
        if (fromB && kid.getKey("/S").isNameAndEquals("/Table")) {
            auto row = kid.getKey("/K").getArrayItem(0);
            headers.push_back(row.getKey("/K")
                                  .getArrayItem(1)
                                  .getKey("/A")
                                  .getKey("/Headers")
                                  .getArrayItem(0)
                                  .getUTF8Value());
        }
    }
    EXPECT_EQ(headers, std::vector<std::string>{"th-2"});
}

// The tree is read apart from the document and held as plain values: the document's own
// objects for it cost a few kilobytes an element for as long as the source is open.
TEST(Tags, AReadTreeCostsLittleMemoryPerElement)
{
    TempDir dir;
    TaggedSpec recipe;
    recipe.pages = 200;
    const QString path = tagged(dir, "a", recipe);
    auto source = SourceDocument::open(QFile::encodeName(path).toStdString(), "");
    const auto& index = source->structure();
    const size_t before = mallinfo2().uordblks;
    const size_t elements = index.tags().elements().size();
    const size_t grown = mallinfo2().uordblks - before;
    EXPECT_GT(elements, 600u);
    EXPECT_LT(grown, 1024 * elements);
}

TEST(Tags, UntaggedInputsGetNoTreeAndDroppingLeavesNoKeys)
{
    TempDir dir;
    const QString plain = dir.path("p.pdf");
    PdfSpec recipe;
    recipe.marker = "p";
    recipe.uriLinks = 1;
    makePdf(plain, recipe);
    const QString a = tagged(dir, "a");
    split(plain, "1-2", dir.path("split.pdf"));
    merge({plain, plain}, dir.path("merged.pdf"));
    for (const char* name : {"split.pdf", "merged.pdf"}) {
        auto report = checkTags(dir.path(name));
        EXPECT_FALSE(report.tree) << name;
        EXPECT_FALSE(report.marked) << name;
    }
    // A tagged and an untagged input: a tree, but no claim that every page is marked.
    merge({a, plain}, dir.path("mixed.pdf"));
    auto mixed = checkTags(dir.path("mixed.pdf"));
    EXPECT_TRUE(mixed.tree && mixed.faults.empty()) << faultText(mixed);
    EXPECT_FALSE(mixed.marked);

    split(a, "1-3", dir.path("dropped.pdf"), false);
    merge({a, a}, dir.path("dropped-merge.pdf"), BookmarkMode::PerFile, false);
    for (const char* name : {"dropped.pdf", "dropped-merge.pdf"}) {
        QPDF pdf;
        pdf.processFile(QFile::encodeName(dir.path(name)).constData());
        EXPECT_FALSE(pdf.getRoot().hasKey("/StructTreeRoot")) << name;
        EXPECT_FALSE(pdf.getRoot().hasKey("/MarkInfo")) << name;
        for (auto page : pdf.getAllPages()) {
            EXPECT_FALSE(page.hasKey("/StructParents")) << name;
            for (auto annot : page.getKey("/Annots").aitems())
                EXPECT_FALSE(annot.hasKey("/StructParent")) << name;
        }
    }
}

TEST(Tags, CommandLineKeepsOrDropsAndWarns)
{
    TempDir dir;
    TaggedSpec recipe;
    recipe.damage = [](TaggedParts& t) {
        t.headings[0].replaceKey("/S", QPDFObjectHandle::newNull());
    };
    const QString source = tagged(dir, "s", recipe);
    const QString cli = QStringLiteral(PAGINOR_CLI_PATH);
    auto kept = runCli(cli, {"split", "--range", "1", "2", source, dir.path("kept.pdf")});
    EXPECT_EQ(kept.status, 0);
    EXPECT_TRUE(kept.err.contains("Warning: " + source + ": structure elements without a type"))
        << kept.err.toStdString();
    EXPECT_TRUE(checkTags(dir.path("kept.pdf")).tree);
    auto dropped =
        runCli(cli, {"merge", "--structure=drop", dir.path("dropped.pdf"), source, source});
    EXPECT_EQ(dropped.status, 0);
    EXPECT_TRUE(dropped.err.isEmpty()) << dropped.err.toStdString();
    EXPECT_FALSE(checkTags(dir.path("dropped.pdf")).tree);
    EXPECT_EQ(runCli(cli, {"split", "--structure=some", "--odd", source, dir.path("x.pdf")}).status,
              2);
}
