// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

// Tagged test PDFs made with libqpdf: small trees whose every part a test can name and damage.
#include "support/TagFactory.h"

#include "support/PdfFactory.h"

#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <QFile>

namespace paginor::test {

namespace {

QPDFObjectHandle element(QPDF& pdf, const std::string& keys, QPDFObjectHandle parent,
                         QPDFObjectHandle page)
{
    auto e =
        pdf.makeIndirectObject(QPDFObjectHandle::parse("<< /Type /StructElem " + keys + " >>"));
    e.replaceKey("/P", parent);
    if (page.isInitialized())
        e.replaceKey("/Pg", page);
    parent.getKey("/K").appendItem(e);
    return e;
}

} // namespace

void makeTaggedPdf(const QString& path, const TaggedSpec& recipe)
{
    PdfSpec plain;
    plain.pages = recipe.pages;
    plain.marker = recipe.marker;
    plain.uriLinks = 1;
    plain.formField = recipe.form;
    makePdf(path, plain);

    QPDF pdf;
    pdf.processFile(QFile::encodeName(path).constData());
    TaggedParts parts;
    parts.pdf = &pdf;
    auto catalog = pdf.getRoot();
    parts.root = pdf.makeIndirectObject(
        QPDFObjectHandle::parse("<< /Type /StructTreeRoot /K [] /RoleMap << /Note " +
                                recipe.noteRole + " >> /ClassMap << /Box << /O /Layout /Color [" +
                                recipe.boxColor + "] >> >> /ParentTreeNextKey 200 >>"));
    parts.document = element(pdf, "/S /Document /K []", parts.root, {});
    auto nums = QPDFObjectHandle::newArray();
    auto annotKeys = QPDFObjectHandle::newArray();
    for (auto& helper : QPDFPageDocumentHelper(pdf).getAllPages()) {
        auto page = helper.getObjectHandle();
        const int k = int(parts.pages.size()) + 1;
        parts.pages.push_back(page);
        auto contents = page.getKey("/Contents");
        auto data = contents.getStreamData();
        std::string text =
            "/H1 <</MCID 0>> BDC\n" +
            std::string(reinterpret_cast<const char*>(data->getBuffer()), data->getSize()) +
            "EMC\n/Note <</MCID 1>> BDC 0 0 m 10 10 l S EMC\n"
            "/Link <</MCID 2>> BDC 0 0 m 5 5 l S EMC\n";
        auto owners = QPDFObjectHandle::newArray();
        auto heading =
            element(pdf, "/S /H1 /ID (h" + std::to_string(k) + ") /K [0]", parts.document, page);
        auto note = element(pdf, "/S /Note /C /Box /K [1]", parts.document, page);
        auto link = element(pdf, "/S /Link /K [2]", parts.document, page);
        auto annot = page.getKey("/Annots").getArrayItem(0);
        for (auto& annotation : page.getKey("/Annots").aitems())
            if (annotation.getKey("/Subtype").isNameAndEquals("/Link"))
                annot = annotation;
        auto objr = QPDFObjectHandle::parse("<< /Type /OBJR >>");
        objr.replaceKey("/Obj", annot);
        link.getKey("/K").appendItem(objr);
        annot.replaceKey("/StructParent", QPDFObjectHandle::newInteger(100 + k));
        annotKeys.appendItem(QPDFObjectHandle::newInteger(100 + k));
        annotKeys.appendItem(link);
        for (auto& owner : {heading, note, link})
            owners.appendItem(owner);
        if (k == 1) {
            text +=
                "/TH <</MCID 3>> BDC 0 0 m 3 3 l S EMC\n/TD <</MCID 4>> BDC 0 0 m 4 4 l S EMC\n";
            auto table = element(pdf, "/S /Table /K []", parts.document, page);
            auto row = element(pdf, "/S /TR /K []", table, page);
            owners.appendItem(element(pdf, "/S /TH /ID (th) /K [3]", row, page));
            owners.appendItem(
                element(pdf, "/S /TD /A << /O /Table /Headers [(th)] >> /K [4]", row, page));
        }
        if (k == 2)
            element(pdf, "/S /Figure /Alt (" + recipe.marker.toStdString() + " figure)",
                    parts.document, page);
        contents.replaceStreamData(text, QPDFObjectHandle::newNull(), QPDFObjectHandle::newNull());
        page.replaceKey("/StructParents", QPDFObjectHandle::newInteger(k - 1));
        nums.appendItem(QPDFObjectHandle::newInteger(k - 1));
        nums.appendItem(owners);
        parts.headings.push_back(heading);
        parts.notes.push_back(note);
        parts.links.push_back(link);
    }
    for (auto& item : annotKeys.aitems())
        nums.appendItem(item);
    parts.parentTree = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
    parts.parentTree.replaceKey("/Nums", nums);
    parts.root.replaceKey("/ParentTree", parts.parentTree);
    catalog.replaceKey("/StructTreeRoot", parts.root);
    catalog.replaceKey("/MarkInfo", QPDFObjectHandle::parse("<< /Marked true >>"));
    catalog.replaceKey("/Lang", QPDFObjectHandle::newString(recipe.lang));
    if (recipe.damage)
        recipe.damage(parts);

    const QString temp = path + ".tagged";
    QPDFWriter w(pdf, QFile::encodeName(temp).constData());
    w.setStaticID(true);
    w.write();
    QFile::remove(path);
    QFile::rename(temp, path);
}

} // namespace paginor::test
