// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

// The shapes an output takes: object streams or the classic layout, identical objects of
// several inputs written once, unused objects left out, unfiltered data compressed.
#include "EngineTestUtil.h"

#include <qpdf/QPDF.hh>

#include <QProcess>
#include <map>
#include <set>

using namespace paginor;
using namespace paginor::test;

namespace {

struct Shape
{
    const char* name;
    bool objectStreams;
    std::vector<PdfSpec> inputs; // merged, or the first one split by `pages`
    QString pages;
    std::vector<std::string> texts;
};

PdfSpec recipe(const QString& marker, void (*adjust)(PdfSpec&))
{
    PdfSpec input = plain(3, marker);
    adjust(input);
    return input;
}

void withProgram(PdfSpec& s)
{
    s.fontProgram = true;
}
void withStray(PdfSpec& s)
{
    s.strayObject = true;
}
void unfiltered(PdfSpec& s)
{
    s.uncompressed = true;
    s.sharedResources = true;
}
void withForm(PdfSpec& s)
{
    s.fontProgram = true;
    s.formField = true;
}

// The indirect objects reachable from the trailer.
std::set<QPDFObjGen> reachable(QPDF& pdf)
{
    std::set<QPDFObjGen> seen;
    std::vector<QPDFObjectHandle> todo{pdf.getTrailer()};
    while (!todo.empty()) {
        auto h = todo.back();
        todo.pop_back();
        if (h.isIndirect() && !seen.insert(h.getObjGen()).second)
            continue;
        if (h.isStream())
            h = h.getDict();
        if (h.isDictionary())
            for (auto& item : h.getDictAsMap())
                todo.push_back(item.second);
        else if (h.isArray())
            for (auto& item : h.getArrayAsVector())
                todo.push_back(item);
    }
    return seen;
}

} // namespace

TEST(OutputShape, EachShapeReopensCleanlyWithNothingTwiceAndNothingUnused)
{
    const std::vector<Shape> shapes = {
        {"merge, packed",
         true,
         {recipe("a", withProgram), recipe("b", withProgram)},
         "",
         {"a page 1", "a page 2", "a page 3", "b page 1", "b page 2", "b page 3"}},
        {"merge, classic",
         false,
         {recipe("a", withProgram), recipe("b", withProgram)},
         "",
         {"a page 1", "a page 2", "a page 3", "b page 1", "b page 2", "b page 3"}},
        {"split with a stray object, packed",
         true,
         {recipe("s", withStray)},
         "1-2",
         {"s page 1", "s page 2"}},
        {"split with a stray object, classic", false, {recipe("s", withStray)}, "3", {"s page 3"}},
        {"unfiltered data, packed",
         true,
         {recipe("u", unfiltered)},
         "2-3",
         {"u page 2", "u page 3"}},
        {"unfiltered data, classic", false, {recipe("u", unfiltered)}, "1", {"u page 1"}},
        // Forms and repeated pages go through qpdf's writer.
        {"merge with forms, packed",
         true,
         {recipe("f", withForm), recipe("g", withForm)},
         "",
         {"f page 1", "f page 2", "f page 3", "g page 1", "g page 2", "g page 3"}},
        {"a page twice, classic",
         false,
         {recipe("t", withProgram)},
         "2,2",
         {"t page 2", "t page 2"}},
    };
    for (const Shape& shape : shapes) {
        SCOPED_TRACE(shape.name);
        TempDir dir;
        QStringList inputs;
        for (size_t i = 0; i < shape.inputs.size(); ++i)
            inputs << makeFile(dir, QString("in%1.pdf").arg(i), shape.inputs[i]);
        const QString out = dir.path("out.pdf");
        PDFLibrary lib;
        lib.setObjectStreams(shape.objectStreams);
        if (shape.pages.isEmpty()) {
            lib.NewPathList("m");
            for (const QString& input : inputs)
                lib.AppendToPathList("m", input);
            ASSERT_EQ(lib.MergePathList("m", out), int32_t(inputs.size()));
        } else {
            ASSERT_TRUE(lib.OpenDocument(inputs.at(0), ""));
            ASSERT_EQ(lib.PickPages(shape.pages), 1);
            ASSERT_TRUE(lib.WriteToFile(out));
        }

        // qpdf's own check finds neither errors nor warnings.
        QProcess check;
        check.start("qpdf", {"--check", out});
        ASSERT_TRUE(check.waitForFinished(30000));
        EXPECT_EQ(check.exitCode(), 0) << check.readAllStandardOutput().toStdString();
        EXPECT_TRUE(readsCleanly(out));
        EXPECT_EQ(pageTexts(out), shape.texts);

        const std::string bytes = fileBytes(out);
        const bool packed = bytes.find("/ObjStm") != std::string::npos;
        EXPECT_EQ(packed, shape.objectStreams);
        EXPECT_EQ(bytes.find("\nxref\n") != std::string::npos, !shape.objectStreams);
        if (shape.objectStreams)
            EXPECT_GE(bytes.substr(0, 8), "%PDF-1.5");

        QPDF pdf;
        pdf.setSuppressWarnings(true);
        pdf.processFile(QFile::encodeName(out).constData());
        const auto used = reachable(pdf);
        std::map<std::string, int> streams, fonts;
        for (auto& h : pdf.getAllObjects()) {
            auto type = (h.isStream() ? h.getDict() : h).getKey("/Type");
            if (type.isNameAndEquals("/ObjStm") || type.isNameAndEquals("/XRef"))
                continue;
            EXPECT_TRUE(used.count(h.getObjGen())) << "unused " << h.unparse();
            EXPECT_EQ(h.unparseResolved().find("stray"), std::string::npos);
            if (type.isNameAndEquals("/Font"))
                ++fonts[h.unparseResolved()];
            if (!h.isStream())
                continue;
            auto data = h.getRawStreamData();
            ++streams[std::string(reinterpret_cast<const char*>(data->getBuffer()),
                                  data->getSize())];
            // Data was compressed when it had no filter, and decodes to what it was.
            if (h.getDict().getKey("/Subtype").isNameAndEquals("/Image")) {
                EXPECT_TRUE(h.getDict().getKey("/Filter").isNameAndEquals("/FlateDecode"));
                EXPECT_EQ(h.getStreamData()->getSize(), 64u * 64u);
            }
        }
        for (auto& [text, count] : fonts)
            EXPECT_EQ(count, 1) << text;
        for (auto& [data, count] : streams)
            EXPECT_EQ(count, 1) << data.size() << " bytes written " << count << " times";
    }
}
