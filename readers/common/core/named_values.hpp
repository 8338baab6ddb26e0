// Tables of names and what they stand for (style families, units, Word's
// keywords for alignment or underlines, ...), looked up by name.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace qrv::import {

template <typename T>
struct Named {
    std::string_view name;
    T value;
};

template <typename T, size_t N>
std::optional<T> value_named(const Named<T> (&table)[N], std::string_view name) {
    for (const Named<T> &entry : table)
        if (entry.name == name) return entry.value;
    return std::nullopt;
}

}  // namespace qrv::import
