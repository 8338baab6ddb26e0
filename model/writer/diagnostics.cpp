#include "diagnostics.hpp"

#include <algorithm>

namespace qrv::import {

void Diagnostics::Lines::add(std::string line) {
    if (std::find(kept.begin(), kept.end(), line) != kept.end()) return;
    if (kept.size() < kKeptWarnings)
        kept.push_back(std::move(line));
    else
        ++dropped;
}

void Diagnostics::warn(std::string_view what) { warnings_.add("warning: " + where(what)); }

void Diagnostics::note(std::string_view what) { notes_.add("note: " + where(what)); }

std::string Diagnostics::where(std::string_view what) const {
    if (part_.empty()) return std::string(what);
    return part_ + ": " + std::string(what);
}

namespace {

void append_line(std::string &text, std::string_view line) {
    if (!text.empty()) text += '\n';
    text += line;
}

}  // namespace

// Warnings first: a host's message buffer cuts the end, and the notes
// matter least.
std::string Diagnostics::report() const {
    std::string text;
    for (const auto &w : warnings_.kept) append_line(text, w);
    if (warnings_.dropped) append_line(text, "warning: " + std::to_string(warnings_.dropped) + " more warnings");
    for (const auto &n : notes_.kept) append_line(text, n);
    if (notes_.dropped) append_line(text, "note: " + std::to_string(notes_.dropped) + " more notes");
    return text;
}

}  // namespace qrv::import
