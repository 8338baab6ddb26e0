// The progress bar on standard error, and the warnings a filter reports.
#pragma once

#include <cstdint>
#include <cstdio>

namespace qrv::tool {

class ProgressBar {
public:
    // show_bar: draw the bar (standard error is a terminal); quiet: neither
    // bar nor warnings.
    ProgressBar(bool show_bar, bool quiet) : show_(show_bar && !quiet), quiet_(quiet) {}
    void percent(uint32_t value);
    void warning(uint32_t code);
    void done();

private:
    void clear_line();
    bool show_;
    bool quiet_;
    bool drawn_ = false;
    uint32_t last_ = 101;
};

}  // namespace qrv::tool
