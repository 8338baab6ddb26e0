// libqrvjson.so: the JSON filter's entry points.
#include <qrvfilters.h>

#include "json_writer.hpp"
#include "walk.hpp"

namespace {

std::unique_ptr<qrv::filters::Writer> make_writer(qrv::filters::Output &page) {
    return std::make_unique<qrv::filters::json::JsonWriter>(page);
}

uint32_t run(FAExportContext *ctx) { return qrv::filters::run_export(ctx, make_writer); }

const FAFilter kJsonFilter = {"json", QRV_OUTPUT_JSON, nullptr, run, nullptr};

}  // namespace

extern "C" uint32_t QRVRegisterJsonFilter(void) { return FARegisterFilter(&kJsonFilter); }
