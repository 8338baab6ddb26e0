// Sinks write to a file or collect in memory.  Sink 0 drops its output.
#include <qrvfa.h>

#include <cstdio>
#include <memory>
#include <string>

#include "../qrvda/handle_table.hpp"
#include "sinks.hpp"

namespace {

struct Sink {
    std::FILE *file = nullptr;
    std::string memory;
    bool failed = false;
    ~Sink() {
        if (file) std::fclose(file);
    }
};

qrv::toolkit::HandleTable<Sink> &sinks() { return qrv::toolkit::lasting_table<Sink>(0x53); }

}  // namespace

namespace qrv::fa {

bool sink_exists(uint32_t hSink) { return hSink == 0 || sinks().find(hSink) != nullptr; }

}  // namespace qrv::fa

extern "C" {

uint32_t FACreateFileSink(const char *path, uint32_t *phSink) {
    if (!phSink) return FA_ERR_BAD_SINK;
    *phSink = 0;
    auto sink = std::make_unique<Sink>();
    sink->file = path ? std::fopen(path, "wb") : nullptr;
    if (!sink->file) return FA_ERR_BAD_SINK;
    *phSink = sinks().add(std::move(sink));
    return *phSink ? FA_OK : FA_ERR_NO_MEMORY;
}

uint32_t FACreateMemorySink(uint32_t *phSink) {
    if (!phSink) return FA_ERR_BAD_SINK;
    *phSink = sinks().add(std::make_unique<Sink>());
    return *phSink ? FA_OK : FA_ERR_NO_MEMORY;
}

uint32_t FAGetMemorySinkData(uint32_t hSink, const char **pData, size_t *pLength) {
    const Sink *sink = sinks().find(hSink);
    if (!sink || sink->file || !pData || !pLength) return FA_ERR_BAD_SINK;
    *pData = sink->memory.data();
    *pLength = sink->memory.size();
    return FA_OK;
}

uint32_t FADestroySink(uint32_t hSink) {
    auto sink = sinks().remove(hSink);
    if (!sink) return FA_ERR_BAD_SINK;
    const bool ok = !sink->failed && (!sink->file || std::fflush(sink->file) == 0);
    return ok ? FA_OK : FA_ERR_BAD_SINK;
}

uint32_t FAWrite(uint32_t hSink, const void *data, size_t length) {
    if (hSink == 0) return FA_OK;
    Sink *sink = sinks().find(hSink);
    if (!sink || (!data && length)) return FA_ERR_BAD_SINK;
    if (sink->file) {
        if (std::fwrite(data, 1, length, sink->file) != length) sink->failed = true;
        return sink->failed ? FA_ERR_BAD_SINK : FA_OK;
    }
    sink->memory.append(static_cast<const char *>(data), length);
    return FA_OK;
}

}  // extern "C"
