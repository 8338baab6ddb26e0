// The bytes of a string, as the readers take their input.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace qrv::test {

inline std::span<const uint8_t> bytes_of(const std::string &s) {
    return {reinterpret_cast<const uint8_t *>(s.data()), s.size()};
}

}  // namespace qrv::test
