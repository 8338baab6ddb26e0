// A property a style leaves unset takes its parent's value.
#pragma once

#include <optional>

namespace qrv::import::odf {

template <typename T>
void inherit_unset(std::optional<T> &field, const std::optional<T> &parent) {
    if (!field) field = parent;
}

}  // namespace qrv::import::odf
