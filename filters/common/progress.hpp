// Progress and warnings reported to the host through EXDoCallback.
#pragma once

#include <cstdint>
#include <set>

#include "writer.hpp"

namespace qrv::filters {

class Progress {
public:
    // total_items 0: the document's size is unknown and only 0 and 100 are told.
    Progress(uint32_t hExport, bool enabled, uint32_t total_items);

    // The walk stops too once writer has failed.
    void watch(const Writer &writer) { writer_ = &writer; }

    // One more item walked.  False once the host asked to stop or the
    // writer failed.
    bool tick() {
        if (++walked_ < next_report_) return !stopped_;
        return report();
    }
    void finish();
    // A call failed and the walk went on; each code is told once.
    void warn(uint32_t code);
    bool stopped() const { return stopped_; }
    const std::set<uint32_t> &warnings() const { return warnings_; }

private:
    bool report();
    void tell(uint32_t what, uint32_t value);

    uint32_t export_;
    bool enabled_;
    uint32_t total_;
    uint32_t walked_ = 0;
    uint32_t next_report_;
    uint32_t last_percent_ = 0;
    bool stopped_ = false;
    const Writer *writer_ = nullptr;
    std::set<uint32_t> warnings_;
};

}  // namespace qrv::filters
