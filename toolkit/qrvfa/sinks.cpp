// The sinks' C interface: sinks by handle, created, written, flushed and
// destroyed by any thread, each used by one export at a time.
#include <qrvfa.h>

#include <cstdio>
#include <memory>
#include <new>
#include <string>

#include "../qrvda/handle_table.hpp"
#include "sinks.hpp"

namespace {

using qrv::fa::Sink;

qrv::toolkit::HandleTable<Sink> &sinks() { return qrv::toolkit::lasting_table<Sink>(0x53); }

uint32_t add_sink(std::unique_ptr<Sink> sink, uint32_t *phSink) {
    *phSink = sinks().add(std::move(sink));
    return *phSink ? FA_OK : FA_ERR_NO_MEMORY;
}

// Runs make, which may run out of memory, into a new sink's handle.
template <typename Make>
uint32_t create(uint32_t *phSink, Make make) {
    if (!phSink) return FA_ERR_BAD_SINK;
    *phSink = 0;
    try {
        return make();
    } catch (const std::bad_alloc &) {
        return FA_ERR_NO_MEMORY;
    }
}

}  // namespace

namespace qrv::fa {

bool sink_exists(uint32_t hSink) { return hSink == 0 || sinks().find(hSink) != nullptr; }

}  // namespace qrv::fa

extern "C" {

uint32_t FACreateFileSink(const char *path, uint32_t *phSink) {
    return create(phSink, [&] {
        std::FILE *file = path ? std::fopen(path, "wb") : nullptr;
        if (!file) return uint32_t{FA_ERR_BAD_SINK};
        // The sink's own buffer is the only one, so a failed write shows at once.
        std::setvbuf(file, nullptr, _IONBF, 0);
        auto sink = std::make_unique<qrv::fa::FileSink>(file);
        return add_sink(std::move(sink), phSink);
    });
}

uint32_t FACreateCallbackSink(FASinkWriter writer, void *context, uint32_t *phSink) {
    return create(phSink, [&] {
        if (!writer) return uint32_t{FA_ERR_BAD_SINK};
        return add_sink(std::make_unique<qrv::fa::CallbackSink>(writer, context), phSink);
    });
}

uint32_t FACreateMemorySink(uint32_t *phSink) {
    return create(phSink, [&] { return add_sink(std::make_unique<qrv::fa::MemorySink>(), phSink); });
}

uint32_t FAGetMemorySinkData(uint32_t hSink, const char **pData, size_t *pLength) {
    const Sink *sink = sinks().find(hSink);
    const std::string *kept = sink ? sink->kept() : nullptr;
    if (!kept || !pData || !pLength) return FA_ERR_BAD_SINK;
    *pData = kept->data();
    *pLength = kept->size();
    return FA_OK;
}

uint32_t FAFlushSink(uint32_t hSink) {
    if (hSink == 0) return FA_OK;
    Sink *sink = sinks().find(hSink);
    return sink ? sink->flush() : uint32_t{FA_ERR_BAD_SINK};
}

uint32_t FAGetSinkError(uint32_t hSink, uint32_t *pError) {
    const Sink *sink = hSink ? sinks().find(hSink) : nullptr;
    if (!pError || (hSink && !sink)) return FA_ERR_BAD_SINK;
    *pError = sink ? sink->error() : 0;
    return FA_OK;
}

uint32_t FADestroySink(uint32_t hSink) {
    auto sink = sinks().remove(hSink);
    if (!sink) return FA_ERR_BAD_SINK;
    return sink->close() ? FA_OK : FA_ERR_BAD_SINK;
}

uint32_t FAWrite(uint32_t hSink, const void *data, size_t length) {
    if (hSink == 0) return FA_OK;
    Sink *sink = sinks().find(hSink);
    if (!sink || (!data && length)) return FA_ERR_BAD_SINK;
    return sink->write(static_cast<const char *>(data), length);
}

}  // extern "C"
