// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "engine/structure/OutputLabels.h"

#include "engine/SourceDocument.h"

#include <algorithm>
#include <map>

namespace paginor {

void appendLabelsAt(SourceDocument& source, const std::vector<int32_t>& indices,
                    const std::vector<int32_t>& positions, std::vector<QPDFObjectHandle>& nums)
{
    for (size_t i = 0; i < indices.size();) {
        size_t j = i + 1;
        while (j < indices.size() && positions[j] == positions[j - 1] + 1)
            ++j;
        const std::vector<int32_t> run(indices.begin() + long(i), indices.begin() + long(j));
        appendLabels(source, run, positions[i], nums, int32_t(i) + 1);
        i = j;
    }
}

void sortLabels(std::vector<QPDFObjectHandle>& nums)
{
    std::map<long long, QPDFObjectHandle> byPage;
    for (size_t i = 0; i + 1 < nums.size(); i += 2)
        if (nums[i].isInteger())
            byPage[nums[i].getIntValue()] = nums[i + 1];
    nums.clear();
    for (auto& [page, label] : byPage) {
        nums.push_back(QPDFObjectHandle::newInteger(page));
        nums.push_back(label);
    }
}

namespace {

std::string roman(long long n, bool upper)
{
    static const std::pair<int, const char*> parts[] = {
        {1000, "m"}, {900, "cm"}, {500, "d"}, {400, "cd"}, {100, "c"}, {90, "xc"}, {50, "l"},
        {40, "xl"},  {10, "x"},   {9, "ix"},  {5, "v"},    {4, "iv"},  {1, "i"}};
    std::string out;
    for (const auto& [value, text] : parts)
        for (; n >= value; n -= value)
            out += text;
    if (upper)
        std::transform(out.begin(), out.end(), out.begin(), ::toupper);
    return out;
}

// 1 = a, 26 = z, 27 = aa, 53 = aaa: the letter repeated.
std::string letters(long long n, bool upper)
{
    if (n < 1)
        return {};
    const char letter = char((upper ? 'A' : 'a') + (n - 1) % 26);
    return std::string(size_t((n - 1) / 26 + 1), letter);
}

} // namespace

std::string labelText(const std::vector<QPDFObjectHandle>& nums, int32_t outPage)
{
    long long start = -1;
    QPDFObjectHandle label;
    for (size_t i = 0; i + 1 < nums.size(); i += 2) {
        QPDFObjectHandle page = nums[i];
        if (!page.isInteger() || page.getIntValue() > outPage)
            break;
        start = page.getIntValue();
        label = nums[i + 1];
    }
    if (start < 0 || !label.isDictionary())
        return {};
    std::string text = label.getKey("/P").isString() ? label.getKey("/P").getUTF8Value() : "";
    const long long first = label.getKey("/St").isInteger() ? label.getKey("/St").getIntValue() : 1;
    const long long n = first + (outPage - start);
    auto style = label.getKey("/S");
    if (!style.isName())
        return text;
    const std::string s = style.getName();
    if (s == "/D")
        text += std::to_string(n);
    else if (s == "/R" || s == "/r")
        text += roman(n, s == "/R");
    else if (s == "/A" || s == "/a")
        text += letters(n, s == "/A");
    return text;
}

} // namespace paginor
