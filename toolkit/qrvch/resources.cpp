#include "resources.hpp"

namespace qrv::ch {

uint32_t Resources::add(std::string_view name, std::string_view media_type, std::string_view bytes) {
    if (name.empty() || by_name_.contains(name)) return CH_ERR_BAD_ARG;
    list_.push_back({std::string(name), std::string(media_type), std::string(bytes)});
    try {
        by_name_.emplace(name, static_cast<uint32_t>(list_.size() - 1));
    } catch (...) {
        list_.pop_back();
        throw;
    }
    return 0;
}

const Resource *Resources::find(std::string_view name) const {
    const auto it = by_name_.find(name);
    return it == by_name_.end() ? nullptr : &list_[it->second];
}

}  // namespace qrv::ch
