// How faithfully a format code was translated, for the importer's warnings.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qrv::import {

struct CodeReport {
    enum class Fidelity : uint8_t {
        kExact,          // every part of the code has its counterpart
        kApproximate,    // a part without a counterpart took its documented closest rendering
        kNotUnderstood,  // the code is malformed: it shows in the general format
    };
    Fidelity fidelity = Fidelity::kExact;
    // What was approximated ("elapsed time shows the time of day"; several
    // joined by "; ") or what is wrong ("an unclosed quote").
    std::string reason;

    void approximate(std::string_view why);
    void not_understood(std::string_view why);
};

}  // namespace qrv::import
