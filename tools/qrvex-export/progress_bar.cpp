#include "progress_bar.hpp"

#include <string>

#include "results.hpp"

namespace qrv::tool {
namespace {
constexpr int kBarWidth = 40;
}

void ProgressBar::percent(uint32_t value) {
    if (!show_ || value == last_) return;
    last_ = value > 100 ? 100 : value;
    int filled = static_cast<int>(last_) * kBarWidth / 100;
    std::string bar(filled, '#');
    bar.append(kBarWidth - filled, '.');
    std::fprintf(stderr, "\r[%s] %3u%%", bar.c_str(), last_);
    std::fflush(stderr);
    drawn_ = true;
}

void ProgressBar::clear_line() {
    if (!drawn_) return;
    std::fprintf(stderr, "\r%*s\r", kBarWidth + 8, "");
    drawn_ = false;
}

void ProgressBar::warning(uint32_t code) {
    if (quiet_) return;
    clear_line();
    std::fprintf(stderr, "qrvex-export: warning: %s; the output shows what could be read\n",
                 describe_result(code).c_str());
    last_ = 101;
}

void ProgressBar::done() { clear_line(); }

}  // namespace qrv::tool
