// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

// Tagged documents made by LibreOffice through every split mode and the merge: each output's
// structure is whole, and the element and content counts add up to the inputs'.
#include "support/CliRun.h"
#include "support/PdfFactory.h"
#include "support/TagCheck.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace paginor::test;

namespace {

const QString kSamples = QStringLiteral(PAGINOR_TAGGED_DIR);

QString sample(const QString& name)
{
    return kSamples + "/" + name + ".pdf";
}

CliRun cli(const QStringList& args)
{
    return runCli(QStringLiteral(PAGINOR_CLI_PATH), args);
}

// The inputs must be there: a build without LibreOffice fails here rather than passing
// without having checked anything.
class Samples : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        for (const char* name : {"alpha", "beta"})
            ASSERT_TRUE(QFileInfo::exists(sample(name)))
                << "missing " << sample(name).toStdString()
                << ": run scripts/make-tagged-samples (needs libreoffice-writer-nogui)";
    }
    void SetUp() override
    {
        for (const char* name : {"alpha", "beta"}) {
            auto report = checkTags(sample(name));
            ASSERT_TRUE(report.tree && report.marked) << name;
            ASSERT_TRUE(report.faults.empty()) << name << ":\n" << faultText(report);
            source[name] = report;
        }
    }
    // The reports of every PDF in the output folder, by file name.
    std::map<QString, TagReport> outputs() const
    {
        std::map<QString, TagReport> result;
        for (const auto& name : QDir(dir.root()).entryList({"*.pdf"}, QDir::Files))
            result[name] = checkTags(dir.path(name));
        return result;
    }

    TempDir dir;
    std::map<std::string, TagReport> source;
};

struct Mode
{
    const char* name;
    QStringList args; // "@alpha" stands for a sample, "@out" for the output
    // How the outputs' counts relate to the inputs': a partition of one input's pages holds
    // each marked content once; a merge holds both inputs whole; otherwise a part.
    enum Sum
    {
        Part,
        Partition,
        Merge
    } sum;
    bool marked = true; // every page's content is marked
};

} // namespace

TEST_F(Samples, EveryModeKeepsTheStructureWhole)
{
    const Mode modes[] = {
        {"merge per file", {"merge", "@out", "@alpha", "@beta"}, Mode::Merge},
        {"merge keep", {"merge", "--bookmarks=keep", "@out", "@alpha", "@beta"}, Mode::Merge},
        {"merge interleaved",
         {"merge", "--interleave", "--reverse", "2", "@out", "@alpha", "@beta"},
         Mode::Merge},
        // Its contents page is text of its own, which no element marks.
        {"merge with contents",
         {"merge", "--contents", "@out", "@alpha", "@beta"},
         Mode::Merge,
         false},
        {"every page", {"split", "--every", "1", "@alpha", "@out"}, Mode::Partition},
        {"every 2", {"split", "--every", "2", "@beta", "@out"}, Mode::Partition},
        {"range", {"split", "--range", "2", "3", "@alpha", "@out"}, Mode::Part},
        {"odd", {"split", "--odd", "@beta", "@out"}, Mode::Part},
        {"even", {"split", "--even", "@beta", "@out"}, Mode::Part},
        {"page list", {"split", "--pages", "3,1", "@alpha", "@out"}, Mode::Part},
        {"bookmarks", {"split", "--bookmarks", "1", "@alpha", "@out"}, Mode::Partition},
    };
    for (const auto& mode : modes) {
        SCOPED_TRACE(mode.name);
        QDir(dir.root()).removeRecursively();
        QDir().mkpath(dir.root());
        QStringList args;
        QString input;
        for (auto arg : mode.args) {
            if (arg == "@out")
                arg = dir.path("out.pdf");
            else if (arg.startsWith('@'))
                arg = sample((input = arg.mid(1)));
            args << arg;
        }
        auto run = cli(args);
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        const auto results = outputs();
        ASSERT_FALSE(results.empty());
        int pages = 0, content = 0, kids = 0, objects = 0, elements = 0;
        for (const auto& [name, report] : results) {
            SCOPED_TRACE(name.toStdString());
            EXPECT_TRUE(report.tree);
            EXPECT_TRUE(report.faults.empty()) << faultText(report);
            // Every marked content is reached, and each is claimed once.
            EXPECT_EQ(report.reached, report.markedContent);
            EXPECT_EQ(report.contentKids, report.markedContent);
            EXPECT_EQ(report.unusedClaims, 0);
            EXPECT_EQ(report.marked, mode.marked);
            EXPECT_GT(report.nextKey, 0);
            pages += report.pages;
            content += report.markedContent;
            kids += report.contentKids;
            objects += report.objectKids;
            elements += report.elements;
        }
        const auto& a = source["alpha"];
        const auto& b = source["beta"];
        const auto& in = source[input.toStdString()];
        switch (mode.sum) {
        case Mode::Merge: {
            ASSERT_EQ(results.size(), 1u);
            const auto& out = results.begin()->second;
            EXPECT_EQ(out.markedContent, a.markedContent + b.markedContent);
            EXPECT_EQ(out.objectKids, a.objectKids + b.objectKids);
            // The inputs' /Document elements give way to one; per file adds a /Part each.
            const bool parts = !mode.args.contains("--bookmarks=keep");
            EXPECT_EQ(out.elements, a.elements + b.elements - 1 + (parts ? 2 : 0));
            EXPECT_EQ(out.types.at("/Document"), 1);
            EXPECT_EQ(out.types.count("/Part") ? out.types.at("/Part") : 0, parts ? 2 : 0);
            auto alt = a.alt;
            alt.insert(alt.end(), b.alt.begin(), b.alt.end());
            EXPECT_EQ(out.alt, alt);
            EXPECT_EQ(out.lang, a.lang);
            // beta's own language now sits on its /Part, or on each of its top elements.
            if (parts)
                EXPECT_EQ(out.langs.at(b.lang), a.langs.at(b.lang) + 1);
            else
                EXPECT_GT(out.langs.at(b.lang), a.langs.at(b.lang) + 1);
            break;
        }
        case Mode::Partition:
            EXPECT_EQ(pages, 3);
            EXPECT_EQ(content, in.markedContent);
            EXPECT_EQ(kids, in.contentKids);
            // Links to pages of other parts are dropped with their object references.
            EXPECT_LE(objects, in.objectKids);
            EXPECT_GT(objects, 0);
            EXPECT_GE(elements, in.elements); // elements across a page break appear twice
            break;
        case Mode::Part:
            EXPECT_LT(content, in.markedContent);
            EXPECT_LT(elements, in.elements);
            break;
        }
    }
}
