#include "shared_strings.hpp"

#include "record_stream.hpp"
#include "record_types.hpp"

namespace qrv::import::xlsb {

std::vector<uint32_t> read_shared_strings(Package &package, const std::string &part, RichStrings &strings) {
    std::vector<uint32_t> out;
    if (part.empty() || !package.has(part)) return out;
    read_records(package, part, [&](const Record &r, Cursor &in) {
        if (r.type != brt::kStringItem) return;
        try {
            out.push_back(strings.read(in));
        } catch (const xls::RecordTooShort &) {
            out.push_back(strings.empty());  // later strings keep their indexes
            throw;
        }
    });
    return out;
}

}  // namespace qrv::import::xlsb
