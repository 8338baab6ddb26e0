// Warnings of a best-effort import and where the import is, for messages.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qrv::import {

class Diagnostics {
public:
    // Warnings beyond this many are counted, not kept.
    static constexpr size_t kKeptWarnings = 50;

    // Something was left out or repaired; the import goes on.
    void warn(std::string_view what);
    // A quirk of the file's producer that changes nothing a reader sees (a
    // style based on one the file leaves out): reported as a note, after
    // the warnings, which a host may keep back.
    void note(std::string_view what);

    // The part being read ("xl/worksheets/sheet1.xml"), empty outside one.
    void enter_part(std::string_view part) { part_ = part; }
    void leave_part() { part_.clear(); }
    const std::string &part() const { return part_; }

    // "part: what" inside a part, else "what".
    std::string where(std::string_view what) const;

    // The warnings ("warning: ..."), then the notes ("note: ..."), one a
    // line, with a count of those not kept.
    std::string report() const;

private:
    struct Lines {
        std::vector<std::string> kept;
        size_t dropped = 0;
        void add(std::string line);
    };
    std::string part_;
    Lines warnings_, notes_;
};

}  // namespace qrv::import
