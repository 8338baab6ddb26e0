// The registry of export filters, by output id.
#include <qrvfa.h>

#include <map>
#include <mutex>

namespace {

std::mutex registry_mutex;
std::map<uint32_t, const FAFilter *> &registry() {
    static auto *filters = new std::map<uint32_t, const FAFilter *>;
    return *filters;
}

}  // namespace

extern "C" {

uint32_t FARegisterFilter(const FAFilter *filter) {
    if (!filter || !filter->run) return FA_ERR_NO_FILTER;
    std::lock_guard g(registry_mutex);
    registry()[filter->outputId] = filter;
    return FA_OK;
}

uint32_t FAUnregisterFilter(uint32_t outputId) {
    std::lock_guard g(registry_mutex);
    return registry().erase(outputId) ? FA_OK : FA_ERR_NO_FILTER;
}

const FAFilter *FAFindFilter(uint32_t outputId) {
    std::lock_guard g(registry_mutex);
    const auto it = registry().find(outputId);
    return it == registry().end() ? nullptr : it->second;
}

}  // extern "C"
