#include "faults.hpp"

namespace qrv::ch {

std::optional<uint32_t> Faults::injected(uint32_t op, CHStore store, uint32_t id) {
    std::optional<uint32_t> failure;
    for (auto &c : countdowns_) {
        if (c.op != op || !matches(c.store, store) || c.remaining == 0) continue;
        if (--c.remaining == 0) {
            failure = c.code;
            if (c.persistent) c.remaining = 1;
        }
    }
    if (failure) return failure;
    for (const auto &[key, code] : failing_ids_) {
        const auto &[f_op, f_store, f_id] = key;
        if (f_op == op && matches(f_store, store) && f_id == id) return code;
    }
    return std::nullopt;
}

uint32_t Faults::redirected(uint32_t op, CHStore store, uint32_t id, uint32_t result) const {
    auto it = redirects_.find({op, store, id});
    return it == redirects_.end() ? result : it->second;
}

std::optional<uint32_t> Faults::reported_count(CHStore store) const {
    auto it = reported_counts_.find(store);
    if (it == reported_counts_.end()) return std::nullopt;
    return it->second;
}

void Faults::fail_after(uint32_t op, CHStore store, uint32_t n, uint32_t code, bool persistent) {
    countdowns_.push_back({op, store, n, code, persistent});
}

void Faults::fail_at(uint32_t op, CHStore store, uint32_t id, uint32_t code) {
    failing_ids_.push_back({{op, store, id}, code});
}

void Faults::redirect_id(uint32_t op, CHStore store, uint32_t id, uint32_t result) {
    redirects_[{op, store, id}] = result;
}

void Faults::report_count(CHStore store, uint32_t count) { reported_counts_[store] = count; }

void Faults::clear() {
    countdowns_.clear();
    failing_ids_.clear();
    redirects_.clear();
    reported_counts_.clear();
}

}  // namespace qrv::ch
