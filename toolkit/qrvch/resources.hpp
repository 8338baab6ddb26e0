// The resources of a document: pictures and other files its items refer to
// by name, kept whole beside the stores.  Names are unique; a resource
// never changes once added, so readers may keep pointers to its bytes for
// as long as the document is open.
#pragma once

#include <qrvch.h>

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <string_view>

namespace qrv::ch {

struct Resource {
    std::string name;
    std::string media_type;
    std::string bytes;
};

class Resources {
public:
    // CH_ERR_BAD_ARG for an empty name or one already taken.
    uint32_t add(std::string_view name, std::string_view media_type, std::string_view bytes);
    const Resource *find(std::string_view name) const;
    const Resource *at(uint32_t index) const { return index < list_.size() ? &list_[index] : nullptr; }
    uint32_t count() const { return static_cast<uint32_t>(list_.size()); }

private:
    std::deque<Resource> list_;  // a deque: adding never moves the others
    std::map<std::string, uint32_t, std::less<>> by_name_;
};

}  // namespace qrv::ch
