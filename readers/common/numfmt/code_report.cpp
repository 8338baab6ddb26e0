#include "code_report.hpp"

namespace qrv::import {

void CodeReport::approximate(std::string_view why) {
    if (fidelity == Fidelity::kNotUnderstood || reason.find(why) != std::string::npos) return;
    fidelity = Fidelity::kApproximate;
    if (!reason.empty()) reason += "; ";
    reason += why;
}

void CodeReport::not_understood(std::string_view why) {
    fidelity = Fidelity::kNotUnderstood;
    reason = why;
}

}  // namespace qrv::import
