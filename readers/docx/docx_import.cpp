// DOCX (.docx, .docm, .dotx): the parts of a WordprocessingML package into
// a text document.  The definitions come first (theme fonts, styles,
// numbering, properties, and the bodies of notes and comments), then the
// main part streams into the items.
#include "writer/document_writer.hpp"
#include "core/error.hpp"
#include "core/import_job.hpp"
#include "package/package.hpp"
#include "package/related_parts.hpp"
#include "textdoc/item_writer.hpp"
#include "textdoc/recording.hpp"
#include "body_reader.hpp"
#include "numbering_reader.hpp"
#include "package/optional_part.hpp"
#include "package/root_check.hpp"
#include "properties_reader.hpp"
#include "styles_reader.hpp"
#include "theme_reader.hpp"

namespace qrv::import::docx {
namespace {

void read_definitions(Package &package, const std::string &main, const ThemeFonts &theme, textdoc::TextDocument &doc) {
    NumberingStyles numbering_styles;
    if (const Relationship *styles = related_part(package, main, "styles"))
        read_styles(package, styles->target, theme, doc, numbering_styles);
    if (const Relationship *numbering = related_part(package, main, "numbering"))
        read_numbering(package, numbering->target, theme, numbering_styles, doc);
    read_document_properties(package, doc);
}

NoteBodies read_note_bodies(Package &package, const std::string &main, const ThemeFonts &theme) {
    NoteBodies bodies;
    constexpr std::pair<std::string_view, std::string_view> kParts[] = {
        {"footnotes", "the footnotes are"}, {"endnotes", "the endnotes are"}, {"comments", "the comments are"}};
    for (const auto &[type, lost] : kParts) {
        if (const Relationship *r = related_part(package, main, type)) {
            BodyReader reader(package, r->target, theme, bodies);
            read_optional_part(package, r->target, reader, lost);
        }
    }
    return bodies;
}

// The headers and footers the body's last section names, each read from
// its part into the section before it ends.
void write_running_texts(Package &package, const std::string &main, const BodyReader &body, const ThemeFonts &theme,
                         const NoteBodies &notes, textdoc::TextSink &writer) {
    for (const RunningReference &ref : body.running_references()) {
        const Relationship *r = package.relationship(main, ref.id);
        if (!r || !package.has(r->target)) {
            package.diagnostics().warn(main + ": a header or footer names relationship '" + ref.id +
                                       "', which names no part of the package; it is left out");
            continue;
        }
        textdoc::Recording text;
        BodyReader reader(package, r->target, theme, &notes, text);
        reader.read_as_running_text();
        read_optional_part(package, r->target, reader, "a header or footer is");
        writer.running(ref.kind, ref.pages, text);
    }
}

}  // namespace
}  // namespace qrv::import::docx

namespace qrv::import {

CHHandle import_docx(ImportJob &job) {
    using namespace docx;
    DocumentWriter out(job.limits);
    PictureStore pictures(out, job.limits, job.diagnostics, job.keeps_pictures());
    Package package(job.input.bytes(), job.limits, job.diagnostics);
    const std::string main = main_part_of(package, "word/document.xml");
    if (!package.has(main)) broken(main + ": the part is missing from the package");
    const ThemeFonts theme = read_theme_fonts(package, main);
    textdoc::TextDocument doc;
    read_definitions(package, main, theme, doc);
    const NoteBodies notes = read_note_bodies(package, main, theme);
    doc.resolve(job.diagnostics);

    textdoc::ItemWriter writer(out, doc, job.diagnostics);
    writer.begin();
    BodyReader body(package, main, theme, &notes, writer);
    body.keep_pictures(pictures);
    RootCheck document(body, Ns::Wordprocessing, "document", "WordprocessingML");
    package.read(main, document, Parse::AheadWhenLarge);
    write_running_texts(package, main, body, theme, notes, writer);
    writer.finish();
    return out.release();
}

}  // namespace qrv::import
