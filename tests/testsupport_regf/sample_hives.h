#pragma once
// Trees the tests build hives from.

#include "hive_builder.h"

#include <string>

namespace testhive {

inline std::vector<std::uint8_t> utf16z(const std::u16string& s)
{
    std::vector<std::uint8_t> out;
    for (char16_t c : s) {
        out.push_back(std::uint8_t(c));
        out.push_back(std::uint8_t(c >> 8));
    }
    out.push_back(0);
    out.push_back(0);
    return out;
}

inline std::vector<std::uint8_t> filled(std::size_t n)
{
    std::vector<std::uint8_t> out(n);
    for (std::size_t i = 0; i < n; ++i)
        out[i] = std::uint8_t(i * 7 + i / 251);
    return out;
}

// Root with four sub-keys in two security descriptors; sorted they are Alpha, beta, delta, Gamma.
inline Key sample_tree()
{
    Key root{u"ROOT", {}, {}, {}, 0};
    Key alpha{u"Alpha", {}, {}, {}, 0};
    alpha.values = {{u"Dword", 4, {1, 0, 0, 0}}, {u"Text", 1, utf16z(u"hello")}, {u"Empty", 3, {}}};
    Key beta{u"beta", {}, {}, {Key{u"Child", {}, {}, {}, 0}}, 0};
    Key gamma{u"Gamma", u"Cls", {}, {}, 1};
    Key delta{u"delta", {}, {{u"", 1, utf16z(u"x")}}, {}, 1};
    root.subkeys = {gamma, alpha, delta, beta};
    return root;
}

inline Options two_descriptors(std::uint32_t minor = 5)
{
    Options o;
    o.minor = minor;
    o.descriptors = {default_descriptor(), other_descriptor()};
    return o;
}

inline Key many_subkeys(std::size_t n)
{
    Key root{u"ROOT", {}, {}, {}, 0};
    for (std::size_t i = 0; i < n; ++i)
        root.subkeys.push_back(Key{u16("Key" + std::to_string(100000 + i)), {}, {}, {}, 0});
    return root;
}

inline Key chain(int depth)
{
    Key k{u"Leaf", {}, {}, {}, 0};
    for (int i = depth - 1; i >= 0; --i) {
        Key parent{i == 0 ? u"ROOT" : u16("L" + std::to_string(i)), {}, {}, {}, 0};
        parent.subkeys.push_back(std::move(k));
        k = std::move(parent);
    }
    return k;
}

} // namespace testhive
