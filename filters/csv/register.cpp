// libqrvcsv.so: the CSV filter's entry points.
#include <qrvfilters.h>

#include "csv_writer.hpp"
#include "walk.hpp"

namespace {

std::unique_ptr<qrv::filters::Writer> make_writer(qrv::filters::Output &page, uint32_t option_word) {
    return std::make_unique<qrv::filters::csv::CsvWriter>(page, qrv::filters::csv::csv_options_of(option_word));
}

uint32_t run(FAExportContext *ctx) { return qrv::filters::run_export(ctx, make_writer); }

const FAFilter kCsvFilter = {"csv", QRV_OUTPUT_CSV, nullptr, run, nullptr};

}  // namespace

extern "C" uint32_t QRVRegisterCsvFilter(void) { return FARegisterFilter(&kCsvFilter); }
