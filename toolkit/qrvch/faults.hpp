// Faults a test injects into a document, and the per-operation call counts.
#pragma once

#include <qrvch.h>

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <tuple>
#include <vector>

namespace qrv::ch {

class Faults {
public:
    // Counts the call and gives the code it must fail with, if any.
    std::optional<uint32_t> on_call(uint32_t op, CHStore store, uint32_t id) {
        ++calls_[op];
        if (countdowns_.empty() && failing_ids_.empty()) return std::nullopt;
        return injected(op, store, id);
    }

    // The id a successful call reports instead of the true one.
    uint32_t redirect(uint32_t op, CHStore store, uint32_t id, uint32_t result) const {
        return redirects_.empty() ? result : redirected(op, store, id, result);
    }
    std::optional<uint32_t> reported_count(CHStore store) const;

    void fail_after(uint32_t op, CHStore store, uint32_t n, uint32_t code, bool persistent);
    void fail_at(uint32_t op, CHStore store, uint32_t id, uint32_t code);
    void redirect_id(uint32_t op, CHStore store, uint32_t id, uint32_t result);
    void report_count(CHStore store, uint32_t count);
    void clear();

    uint32_t calls(uint32_t op) const { return calls_[op]; }
    void reset_calls() { calls_.fill(0); }

private:
    struct Countdown {
        uint32_t op;
        CHStore store;
        uint32_t remaining;  // calls to go; the one that brings it to 0 fails
        uint32_t code;
        bool persistent;
    };
    using Key = std::tuple<uint32_t, CHStore, uint32_t>;  // op, store, id

    std::optional<uint32_t> injected(uint32_t op, CHStore store, uint32_t id);
    uint32_t redirected(uint32_t op, CHStore store, uint32_t id, uint32_t result) const;

    static bool matches(CHStore wanted, CHStore store) { return wanted == CH_ANY_STORE || wanted == store; }

    std::array<uint32_t, CH_OP_COUNT> calls_{};
    std::vector<Countdown> countdowns_;
    std::vector<std::pair<Key, uint32_t>> failing_ids_;
    std::map<Key, uint32_t> redirects_;
    std::map<CHStore, uint32_t> reported_counts_;
};

}  // namespace qrv::ch
