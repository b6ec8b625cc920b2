// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

// An independent reading of a tagged PDF's structure, written from the rules a reader relies
// on rather than from the engine's code, so that it can judge the engine's outputs.
#include "support/TagCheck.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFNumberTreeObjectHelper.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <QFile>
#include <set>
#include <tuple>

namespace paginor::test {

namespace {

// The marked-content ids a page's content uses, with properties given inline or by name.
class McidCollector : public QPDFObjectHandle::ParserCallbacks
{
public:
    explicit McidCollector(QPDFObjectHandle properties) : m_properties(properties) {}
    void handleObject(QPDFObjectHandle obj) override
    {
        if (!obj.isOperator()) {
            m_operands.push_back(obj);
            return;
        }
        if (obj.getOperatorValue() == "BDC" && m_operands.size() >= 2) {
            auto props = m_operands.back();
            if (props.isName() && m_properties.isDictionary())
                props = m_properties.getKey(props.getName());
            if (props.isDictionary() && props.getKey("/MCID").isInteger())
                ids.insert(int(props.getKey("/MCID").getIntValue()));
        }
        m_operands.clear();
    }
    void handleEOF() override {}
    std::set<int> ids;

private:
    QPDFObjectHandle m_properties;
    std::vector<QPDFObjectHandle> m_operands;
};

using Claim = std::tuple<QPDFObjGen, QPDFObjGen, int>; // element, page, MCID

struct Walk
{
    std::map<QPDFObjGen, int> pageNumber; // page object -> 1-based number
    std::set<QPDFObjGen> elements;
    std::set<Claim> claims;
    std::map<QPDFObjGen, QPDFObjGen> objectOwner; // OBJR target -> element
    TagReport* report = nullptr;

    std::string where(QPDFObjectHandle element)
    {
        auto s = element.getKey("/S");
        return "element " + (s.isName() ? s.getName() : std::string("?")) + " " +
               element.getObjGen().unparse(' ');
    }
    // A /Pg must be a page of this document; returns the page, or an uninitialized handle.
    QPDFObjectHandle page(QPDFObjectHandle pg, QPDFObjectHandle element, QPDFObjectHandle inherited)
    {
        if (pg.isNull())
            return inherited;
        if (!pg.isIndirect() || !pageNumber.count(pg.getObjGen())) {
            report->faults.push_back(where(element) + ": /Pg is not a page of the document");
            return {};
        }
        return pg;
    }
};

void walkTree(QPDFObjectHandle root, Walk& walk)
{
    struct Item
    {
        QPDFObjectHandle element, parent, page;
    };
    std::vector<Item> stack;
    auto k = root.getKey("/K");
    auto tops = k.isArray() ? k.getArrayAsVector() : std::vector<QPDFObjectHandle>{k};
    for (auto it = tops.rbegin(); it != tops.rend(); ++it)
        stack.push_back({*it, root, {}});
    auto& report = *walk.report;
    while (!stack.empty()) {
        auto [element, parent, inherited] = stack.back();
        stack.pop_back();
        if (!element.isDictionary() || !element.isIndirect()) {
            report.faults.push_back("a kid that is not an indirect element");
            continue;
        }
        if (!walk.elements.insert(element.getObjGen()).second) {
            report.faults.push_back(walk.where(element) + " is reached twice");
            continue;
        }
        ++report.elements;
        auto s = element.getKey("/S");
        ++report.types[s.isName() ? s.getName() : "?"];
        if (element.getKey("/Lang").isString())
            ++report.langs[element.getKey("/Lang").getUTF8Value()];
        if (element.getKey("/Alt").isString())
            report.alt.push_back(element.getKey("/Alt").getUTF8Value());
        if (!element.getKey("/P").isIndirect() ||
            element.getKey("/P").getObjGen() != parent.getObjGen())
            report.faults.push_back(walk.where(element) + ": /P is not its parent");
        auto pg = walk.page(element.getKey("/Pg"), element, inherited);
        auto kids = element.getKey("/K");
        auto list = kids.isArray() ? kids.getArrayAsVector() : std::vector<QPDFObjectHandle>{kids};
        std::vector<Item> children;
        for (auto& kid : list) {
            if (kid.isNull())
                continue;
            if (kid.isInteger()) {
                ++report.contentKids;
                if (!pg.isInitialized())
                    report.faults.push_back(walk.where(element) + ": an MCID without a page");
                else
                    walk.claims.emplace(element.getObjGen(), pg.getObjGen(),
                                        int(kid.getIntValue()));
            } else if (kid.isDictionary() && kid.hasKey("/MCID")) {
                ++report.contentKids;
                auto on = walk.page(kid.getKey("/Pg"), element, pg);
                if (kid.hasKey("/Stm"))
                    continue; // content of a form XObject, keyed by the XObject
                if (on.isInitialized())
                    walk.claims.emplace(element.getObjGen(), on.getObjGen(),
                                        int(kid.getKey("/MCID").getIntValue()));
                else
                    report.faults.push_back(walk.where(element) + ": an MCR without a page");
            } else if (kid.isDictionary() && kid.hasKey("/Obj")) {
                ++report.objectKids;
                walk.page(kid.getKey("/Pg"), element, pg);
                if (kid.getKey("/Obj").isIndirect())
                    walk.objectOwner[kid.getKey("/Obj").getObjGen()] = element.getObjGen();
                else
                    report.faults.push_back(walk.where(element) + ": an OBJR to no object");
            } else {
                children.push_back({kid, element, pg});
            }
        }
        for (auto it = children.rbegin(); it != children.rend(); ++it)
            stack.push_back(*it);
    }
}

} // namespace

TagReport checkTags(const QString& path)
{
    TagReport report;
    QPDF pdf;
    pdf.setSuppressWarnings(true);
    pdf.processFile(QFile::encodeName(path).constData());
    auto catalog = pdf.getRoot();
    auto pages = QPDFPageDocumentHelper(pdf).getAllPages();
    report.pages = int(pages.size());
    report.marked = catalog.getKey("/MarkInfo").getKey("/Marked").isBool() &&
                    catalog.getKey("/MarkInfo").getKey("/Marked").getBoolValue();
    if (catalog.getKey("/Lang").isString())
        report.lang = catalog.getKey("/Lang").getUTF8Value();
    auto root = catalog.getKey("/StructTreeRoot");
    report.tree = root.isDictionary();
    Walk walk;
    walk.report = &report;
    for (size_t i = 0; i < pages.size(); ++i)
        walk.pageNumber.emplace(pages[i].getObjectHandle().getObjGen(), int(i) + 1);
    if (report.tree)
        walkTree(root, walk);

    std::map<long long, QPDFObjectHandle> parentTree;
    long long highest = -1;
    if (report.tree && root.getKey("/ParentTree").isDictionary()) {
        QPDFNumberTreeObjectHelper tree(root.getKey("/ParentTree"), pdf);
        for (auto& [key, value] : tree) {
            parentTree[key] = value;
            highest = std::max(highest, key);
        }
    }
    if (report.tree) {
        auto next = root.getKey("/ParentTreeNextKey");
        report.nextKey = next.isInteger() ? int(next.getIntValue()) : -1;
        if (next.isInteger() && next.getIntValue() <= highest)
            report.faults.push_back("/ParentTreeNextKey is not above every key");
    }

    std::set<std::pair<QPDFObjGen, int>> used; // (page, MCID)
    for (size_t i = 0; i < pages.size(); ++i) {
        auto page = pages[i].getObjectHandle();
        const std::string name = "page " + std::to_string(i + 1);
        McidCollector ids(page.getKey("/Resources").getKey("/Properties"));
        pages[i].parseContents(&ids);
        report.markedContent += int(ids.ids.size());
        auto key = page.getKey("/StructParents");
        QPDFObjectHandle owners;
        if (key.isInteger() && parentTree.count(key.getIntValue()))
            owners = parentTree[key.getIntValue()];
        for (int mcid : ids.ids) {
            used.emplace(page.getObjGen(), mcid);
            auto owner = owners.isArray() && mcid < owners.getArrayNItems()
                             ? owners.getArrayItem(mcid)
                             : QPDFObjectHandle::newNull();
            if (owner.isIndirect() &&
                walk.claims.count({owner.getObjGen(), page.getObjGen(), mcid}))
                ++report.reached;
            else if (report.tree)
                report.faults.push_back(name + ": MCID " + std::to_string(mcid) + " not reached");
        }
        auto annots = page.getKey("/Annots");
        for (int a = 0; annots.isArray() && a < annots.getArrayNItems(); ++a) {
            auto annot = annots.getArrayItem(a);
            auto parentKey = annot.getKey("/StructParent");
            if (!parentKey.isInteger())
                continue;
            auto owner = parentTree.count(parentKey.getIntValue())
                             ? parentTree[parentKey.getIntValue()]
                             : QPDFObjectHandle::newNull();
            auto found = walk.objectOwner.find(annot.getObjGen());
            if (!owner.isIndirect() || found == walk.objectOwner.end() ||
                found->second != owner.getObjGen())
                report.faults.push_back(name + ": annotation " + std::to_string(a + 1) +
                                        " has a /StructParent not leading to its element");
        }
    }
    for (auto& [element, page, mcid] : walk.claims)
        report.unusedClaims += used.count({page, mcid}) ? 0 : 1;
    return report;
}

std::string faultText(const TagReport& report)
{
    std::string text;
    for (auto& fault : report.faults)
        text += fault + "\n";
    return text;
}

} // namespace paginor::test
