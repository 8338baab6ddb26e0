#include "progress.hpp"

#include <qrvex/export.h>
#include <qrvfilters.h>

namespace qrv::filters {
namespace {
constexpr uint32_t kReportEvery = 4096;  // items between two progress reports
}

Progress::Progress(uint32_t hExport, bool enabled, uint32_t total_items)
    : export_(hExport), enabled_(enabled), total_(total_items), next_report_(kReportEvery) {
    tell(QRV_CALLBACK_PROGRESS, 0);
}

void Progress::tell(uint32_t what, uint32_t value) {
    if (!enabled_ || stopped_) return;
    // Only an explicit stop counts: no callback (50) or a refused record is
    // no reason to end the export.
    if (EXDoCallback(export_, what, value) == QRV_CALLBACK_STOP && what == QRV_CALLBACK_PROGRESS) stopped_ = true;
}

bool Progress::report() {
    next_report_ = walked_ + kReportEvery;
    if (writer_ && writer_->failed()) stopped_ = true;
    if (total_ == 0) return !stopped_;
    uint64_t percent = static_cast<uint64_t>(walked_) * 100 / total_;
    if (percent > 99) percent = 99;  // 100 is told by finish()
    if (percent != last_percent_) {
        last_percent_ = static_cast<uint32_t>(percent);
        tell(QRV_CALLBACK_PROGRESS, last_percent_);
    }
    return !stopped_;
}

void Progress::finish() { tell(QRV_CALLBACK_PROGRESS, 100); }

void Progress::warn(uint32_t code) {
    if (warnings_.insert(code).second) tell(QRV_CALLBACK_WARNING, code);
}

}  // namespace qrv::filters
