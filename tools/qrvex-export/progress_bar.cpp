#include "progress_bar.hpp"

namespace qrv::tool {
namespace {
constexpr int kBarWidth = 40;
constexpr int kLabelWidth = 24;  // room for " 1000000/1000000" and more
}  // namespace

void ProgressBar::draw(size_t filled, const char *label) {
    std::string bar(filled, '#');
    bar.append(kBarWidth - filled, '.');
    std::fprintf(stderr, "\r[%s] %s", bar.c_str(), label);
    std::fflush(stderr);
    drawn_ = true;
}

void ProgressBar::percent(uint32_t value) {
    if (!show_ || value == last_) return;
    last_ = value > 100 ? 100 : value;
    char label[8];
    std::snprintf(label, sizeof label, "%3u%%", last_);
    draw(last_ * kBarWidth / 100, label);
}

void ProgressBar::count(size_t done, size_t total) {
    if (!show_ || total == 0 || done == last_done_) return;
    last_done_ = done > total ? total : done;
    char label[kLabelWidth];
    std::snprintf(label, sizeof label, "%zu/%zu", last_done_, total);
    draw(last_done_ * kBarWidth / total, label);
}

void ProgressBar::clear_line() {
    if (!drawn_) return;
    std::fprintf(stderr, "\r%*s\r", kBarWidth + kLabelWidth, "");
    drawn_ = false;
}

void ProgressBar::warning(const std::string &line) {
    if (quiet_) return;
    clear_line();
    std::fprintf(stderr, "qrvex-export: %s\n", line.c_str());
    last_ = 101;
    last_done_ = SIZE_MAX;
}

void ProgressBar::done() { clear_line(); }

}  // namespace qrv::tool
