// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

// What outputs keep of their sources beyond pages and navigation: encryption, information,
// metadata, layers and attachments.
#include "EngineTestUtil.h"

#include <qpdf/QPDFExc.hh>

#include <functional>
#include <optional>

using namespace paginor;
using namespace paginor::test;

namespace {

// "A layer 2" -> "A2".
std::string layerName(QPDFObjectHandle layer)
{
    std::string name = layer.getKey("/Name").getUTF8Value();
    const auto at = name.find(" layer ");
    return at == std::string::npos ? name : name.substr(0, at) + name.substr(at + 7);
}

std::string joined(QPDFObjectHandle array, const std::function<std::string(QPDFObjectHandle)>& f,
                   const char* separator)
{
    std::string text;
    for (int i = 0; array.isArray() && i < array.getArrayNItems(); ++i)
        text += (i ? separator : "") + f(array.getArrayItem(i));
    return text;
}

std::string orderText(QPDFObjectHandle item)
{
    if (item.isArray())
        return "[" + joined(item, orderText, " ") + "]";
    if (item.isString())
        return "(" + item.getUTF8Value() + ")";
    return layerName(item);
}

// The marker of an attached file's content ("A invoice" -> "A").
std::string attached(QPDFObjectHandle file)
{
    auto data = file.getKey("/EF").getKey("/F");
    if (!data.isStream())
        return "?";
    auto bytes = data.getStreamData();
    const std::string text(reinterpret_cast<const char*>(bytes->getBuffer()), bytes->getSize());
    return text.substr(0, text.find(' '));
}

// One line telling what a file keeps of the extras PdfSpec::extras makes: the marker of its
// information entries and XMP, its layers, those off by default, the layer order, the radio
// groups, the attachments (name:marker) and the associated files.
std::string extrasSummary(const QString& path, const QString& password = {})
{
    QPDF pdf;
    pdf.setSuppressWarnings(true);
    pdf.processFile(QFile::encodeName(path).constData(), password.toUtf8().constData());
    auto root = pdf.getRoot();
    std::string info = "-";
    auto dict = pdf.getTrailer().getKey("/Info");
    if (dict.getKey("/Title").isString()) {
        const std::string title = dict.getKey("/Title").getUTF8Value();
        info = title.substr(0, title.find(' '));
        for (const char* key : {"/Title", "/Author", "/Subject", "/Keywords"}) {
            std::string word = key + 1;
            word[0] = char(std::tolower(word[0]));
            if (dict.getKey(key).getUTF8Value() != info + " " + word)
                info = "?";
        }
    }
    std::string xmp = "-";
    if (root.getKey("/Metadata").isStream()) {
        auto bytes = root.getKey("/Metadata").getStreamData();
        const std::string text(reinterpret_cast<const char*>(bytes->getBuffer()), bytes->getSize());
        const auto from = text.find("'>") + 2;
        xmp = text.substr(from, text.find("</") - from);
    }
    auto oc = root.getKey("/OCProperties");
    auto config = oc.getKey("/D");
    std::string files;
    auto tree = root.getKey("/Names").getKey("/EmbeddedFiles").getKey("/Names");
    for (int i = 0; tree.isArray() && i + 1 < tree.getArrayNItems(); i += 2)
        files += (i ? "," : "") + tree.getArrayItem(i).getUTF8Value() + ":" +
                 attached(tree.getArrayItem(i + 1));
    return "info=" + info + " xmp=" + xmp + " ocgs=" + joined(oc.getKey("/OCGs"), layerName, ",") +
           " off=" + joined(config.getKey("/OFF"), layerName, ",") +
           " order=" + joined(config.getKey("/Order"), orderText, " ") +
           " radio=" + joined(config.getKey("/RBGroups"), orderText, " ") + " files=" + files +
           " af=" + joined(root.getKey("/AF"), attached, ",");
}

struct Protection
{
    bool encrypted = false;
    int R = 0, P = 0, V = 0;
    QPDF::encryption_method_e streams = QPDF::e_none, strings = QPDF::e_none;
};

// How `path` is protected, read with `password`; nullopt when it does not open with it.
std::optional<Protection> protectionOf(const QString& path, const QString& password)
{
    try {
        QPDF pdf;
        pdf.setSuppressWarnings(true);
        pdf.processFile(QFile::encodeName(path).constData(), password.toUtf8().constData());
        Protection p;
        QPDF::encryption_method_e file = QPDF::e_none;
        p.encrypted = pdf.isEncrypted(p.R, p.P, p.V, p.streams, p.strings, file);
        return p;
    } catch (const QPDFExc&) {
        return std::nullopt;
    }
}

bool operator==(const Protection& a, const Protection& b)
{
    return a.encrypted == b.encrypted && a.R == b.R && a.P == b.P && a.V == b.V &&
           a.streams == b.streams && a.strings == b.strings;
}

} // namespace

// A split keeps its source's protection whichever writer its pages need (a page taken twice
// and a form take the fuller copy), or drops it when told to.
TEST(Kept, ProtectionOfASplitIsTheSourcesOrRemovedWhenAsked)
{
    TempDir dir;
    struct Case
    {
        const char* name;
        Encryption encryption;
        QString user;
        QString pages;
        std::vector<int> expected;
        bool form;
        bool decrypt;
    };
    const Case cases[] = {
        {"rc4-40", Encryption::Rc4_40, "pw", "3,1", {3, 1}, false, false},
        {"rc4-128", Encryption::Rc4_128, "pw", "2,2", {2, 2}, false, false},
        {"aes-128", Encryption::Aes_128, "pw", "1-2", {1, 2}, true, false},
        {"aes-256", Encryption::Aes_256, "pw", "3,1", {3, 1}, false, false},
        {"owner-only", Encryption::Aes_256, "", "2", {2}, false, false},
        {"decrypted", Encryption::Aes_256, "pw", "3,1", {3, 1}, false, true},
        {"decrypted-twice", Encryption::Rc4_128, "pw", "2,2", {2, 2}, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PdfSpec recipe = plain(3, c.name);
        recipe.encryption = c.encryption;
        recipe.userPassword = c.user;
        recipe.ownerPassword = "boss";
        recipe.restricted = true;
        recipe.formField = c.form;
        recipe.extras = true;
        const QString source = makeFile(dir, QString(c.name) + ".pdf", recipe);
        const QString out = dir.path(QString(c.name) + "-out.pdf");
        PDFLibrary lib;
        lib.setKeepEncryption(!c.decrypt);
        ASSERT_TRUE(lib.OpenDocument(source, c.user));
        ASSERT_EQ(lib.PickPages(c.pages), 1);
        EXPECT_EQ(lib.dropsProtection(), c.decrypt);
        ASSERT_TRUE(lib.WriteToFile(out));

        const QString reading = c.decrypt ? QString() : c.user;
        EXPECT_EQ(pageTexts(out, reading), expectedPages(c.name, c.expected));
        EXPECT_TRUE(readsCleanly(out, reading));
        // The information strings are encrypted and read back like the source's.
        EXPECT_EQ(extrasSummary(out, reading).rfind("info=" + std::string(c.name) + " ", 0), 0u);
        EXPECT_EQ(protectionOf(out, "").has_value(), c.user.isEmpty() || c.decrypt);
        if (c.decrypt) {
            EXPECT_FALSE(protectionOf(out, "")->encrypted);
            continue;
        }
        const auto kept = protectionOf(out, c.user);
        ASSERT_TRUE(kept.has_value());
        EXPECT_TRUE(*kept == *protectionOf(source, c.user));
        EXPECT_TRUE(kept->encrypted);
        EXPECT_TRUE(protectionOf(out, "boss").has_value()); // the owner password too
    }
}

// Information, XMP, layers and attachments, through both writers: a part keeps the layers its
// pages use (a dropped group's children move up), a hidden layer stays hidden, and a merge
// takes the first file's information and labels each file's layer order.
TEST(Kept, DocumentExtrasFollowTheirPages)
{
    TempDir dir;
    PdfSpec recipe = plain(3, "A");
    recipe.extras = true;
    const QString a = makeFile(dir, "a.pdf", recipe);
    recipe.marker = "B";
    const QString b = makeFile(dir, "b.pdf", recipe);
    recipe.formField = true;
    const QString form = makeFile(dir, "form.pdf", recipe);
    const std::string merged =
        "info=A xmp=A ocgs=A1,A2,A3,B1,B2,B3 off=A2,B2 order=[(A title) A1 [A2] A3] [(B title) "
        "B1 [B2] B3] radio=[A1 A2] [B1 B2] files=invoice.xml:A,invoice.xml-2:B af=A,B";
    struct Case
    {
        const char* name;
        QStringList inputs; // one: a split of `pages`
        QString pages;
        bool attachments;
        std::string expected;
    };
    const Case cases[] = {
        {"one page",
         {a},
         "2",
         true,
         "info=A xmp=A ocgs=A2 off=A2 order=A2 radio=[A2] files=invoice.xml:A af=A"},
        {"page twice",
         {a},
         "2,2",
         true,
         "info=A xmp=A ocgs=A2 off=A2 order=A2 radio=[A2] files=invoice.xml:A af=A"},
        {"around the hidden",
         {a},
         "3,1",
         true,
         "info=A xmp=A ocgs=A1,A3 off= order=A1 A3 radio=[A1] files=invoice.xml:A af=A"},
        {"whole, no attachments",
         {a},
         "1-3",
         false,
         "info=A xmp=A ocgs=A1,A2,A3 off=A2 order=A1 [A2] A3 radio=[A1 A2] files= af="},
        {"merge", {a, b}, "", true, merged},
        {"merge with a form", {a, form}, "", true, merged},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString out = dir.path(QString(c.name) + ".pdf");
        PDFLibrary lib;
        lib.setKeepAttachments(c.attachments);
        if (c.inputs.size() == 1) {
            ASSERT_TRUE(lib.OpenDocument(c.inputs[0], ""));
            ASSERT_EQ(lib.PickPages(c.pages), 1);
            ASSERT_TRUE(lib.WriteToFile(out));
        } else {
            lib.NewPathList("TmpList");
            for (const auto& input : c.inputs)
                lib.AppendToPathList("TmpList", input);
            ASSERT_EQ(lib.MergePathList("TmpList", out), int32_t(c.inputs.size()));
        }
        EXPECT_TRUE(readsCleanly(out));
        EXPECT_EQ(extrasSummary(out), c.expected);
    }
}
