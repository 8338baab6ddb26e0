// The progress bar on standard error, and the warnings shown beside it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

namespace qrv::tool {

class ProgressBar {
public:
    // show_bar: draw the bar (standard error is a terminal); quiet: neither
    // bar nor warnings.
    ProgressBar(bool show_bar, bool quiet) : show_(show_bar && !quiet), quiet_(quiet) {}
    // One document: "[####......]  40%".
    void percent(uint32_t value);
    // A batch: "[####......] 12/30".
    void count(size_t done, size_t total);
    // "qrvex-export: LINE" on a line of its own; the bar is drawn again after.
    void warning(const std::string &line);
    void done();

private:
    void draw(size_t filled, const char *label);
    void clear_line();
    bool show_;
    bool quiet_;
    bool drawn_ = false;
    uint32_t last_ = 101;
    size_t last_done_ = SIZE_MAX;
};

}  // namespace qrv::tool
