#include "engine/structure/PlainCopy.h"

#include <vector>

namespace paginor {

QPDFObjectHandle plainCopy(QPDFObjectHandle h, int depth)
{
    if (depth > 8)
        return QPDFObjectHandle::newNull();
    switch (h.getTypeCode()) {
    case ::ot_boolean:
        return QPDFObjectHandle::newBool(h.getBoolValue());
    case ::ot_integer:
        return QPDFObjectHandle::newInteger(h.getIntValue());
    case ::ot_real:
        return QPDFObjectHandle::newReal(h.getRealValue());
    case ::ot_name:
        return QPDFObjectHandle::newName(h.getName());
    case ::ot_string:
        return QPDFObjectHandle::newString(h.getStringValue());
    case ::ot_array: {
        std::vector<QPDFObjectHandle> items;
        for (auto item : h.aitems())
            items.push_back(plainCopy(item, depth + 1));
        return QPDFObjectHandle::newArray(items);
    }
    case ::ot_dictionary: {
        auto result = QPDFObjectHandle::newDictionary();
        for (auto item : h.ditems())
            result.replaceKey(item.first, plainCopy(item.second, depth + 1));
        return result;
    }
    default:
        return QPDFObjectHandle::newNull();
    }
}

} // namespace paginor
