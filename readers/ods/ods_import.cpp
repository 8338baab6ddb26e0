// ODS (and flat .fods): every table of the spreadsheet in order, each a
// spreadsheet section, with the document properties and the number
// formats of the cell styles ahead of them.  A package's parts are read
// in the order meta.xml, settings.xml, styles.xml, content.xml (the
// settings say how each sheet is viewed: zeros, gridlines, frozen rows); a flat document holds
// the same regions in the same order, so both are one stream of regions.
#include "writer/properties.hpp"
#include "core/error.hpp"
#include "core/import_job.hpp"
#include "registry/detect_package.hpp"
#include "package/byte_source.hpp"
#include "package/package.hpp"
#include "package/root_check.hpp"
#include "numfmt/general_keys.hpp"
#include "cell_styles.hpp"
#include "odf/document_regions.hpp"
#include "odf/manifest.hpp"
#include "odf/meta_properties.hpp"
#include "odf/styles_reader.hpp"
#include "table_reader.hpp"

namespace qrv::import::odf {
namespace {

// The readers of an import, one a region.
struct Readers {
    PropertiesReader &meta;
    StylesReader &common;
    StylesReader &automatic;
    TableReader &tables;
    ViewSettingsReader &settings;

    RegionRouter router() const {
        RegionRouter r;
        r.route(Region::kMeta, &meta);
        r.route(Region::kSettings, &settings);
        r.route(Region::kFontFaces, &common);
        r.route(Region::kStyles, &common);
        r.route(Region::kAutomaticStyles, &automatic);
        r.route(Region::kBody, &tables);
        return r;
    }
};

// The properties and the view settings are extras: a broken meta.xml or
// settings.xml is left out with a warning, and what was read of it is
// forgotten (forget).
template <typename Forget>
void read_extra(Package &package, const Readers &readers, const char *part, const char *what, Forget forget) {
    if (!package.has(part)) return;
    try {
        RegionRouter router = readers.router();
        package.read(part, router);
    } catch (const ImportError &e) {
        if (e.code() != IM_ERR_BROKEN) throw;
        package.diagnostics().warn(std::string(e.what()) + "; the " + what + " are left out");
        forget();
    }
}

void read_package(ImportJob &job, const Readers &readers, PictureStore &store) {
    Package package(job.input.bytes(), job.limits, job.diagnostics);
    refuse_encrypted(package);
    FramePictures pictures(package, store);
    readers.tables.keep_pictures(pictures);
    read_extra(package, readers, "meta.xml", "document properties",
               [&] { readers.meta = PropertiesReader(meta_elements().first(model::kStandardPropertyCount)); });
    read_extra(package, readers, "settings.xml", "view settings", [&] { readers.settings = ViewSettingsReader(); });
    if (package.has("styles.xml")) {
        RegionRouter router = readers.router();
        package.read("styles.xml", router);
    }
    RegionRouter router = readers.router();
    RootCheck content(router, Ns::Office, "document-content", "OpenDocument");
    package.read("content.xml", content, Parse::AheadWhenLarge);
}

void read_flat(ImportJob &job, const Readers &readers) {
    MemorySource source(job.input.bytes(), "");
    RegionRouter router = readers.router();
    read_xml(source, router, job.limits);
}

}  // namespace
}  // namespace qrv::import::odf

namespace qrv::import {

CHHandle import_ods(ImportJob &job) {
    using namespace odf;
    DocumentWriter writer(job.limits);
    FontTable fonts(writer);
    CharFormatTable formats;
    NumberFormatTable numbers(writer);
    TextStore texts(writer);
    StyleSheet style_sheet;
    CellStyles styles(style_sheet, numbers, fonts, formats);
    PropertiesReader meta(meta_elements().first(model::kStandardPropertyCount));
    StylesReader common(style_sheet, StyleSheet::Origin::kCommon);
    StylesReader automatic(style_sheet, StyleSheet::Origin::kAutomatic);
    std::optional<GeneralNumbers> general;
    ViewSettingsReader settings;
    TableReader tables({writer, styles, style_sheet, texts, formats, job.diagnostics, job.limits,
                        [&] {
                            write_properties(writer, meta.properties());
                            styles.resolve();
                            general.emplace(general_numbers(numbers));
                        },
                        general, numbers, settings});
    const Readers readers{meta, common, automatic, tables, settings};
    PictureStore pictures(writer, job.limits, job.diagnostics, job.keeps_pictures());
    if (looks_like_zip(job.input.bytes()))
        read_package(job, readers, pictures);
    else
        read_flat(job, readers);
    if (!tables.saw_spreadsheet()) broken("the document holds no spreadsheet");
    if (tables.tables() == 0) broken("the spreadsheet holds no tables");
    return writer.release();
}

}  // namespace qrv::import
