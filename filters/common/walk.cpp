#include "walk.hpp"

#include <qrvch.h>
#include <qrvda.h>
#include <qrvfilters.h>

#include <cstring>
#include <functional>
#include <optional>
#include <string>

#include "context.hpp"
#include "flow.hpp"
#include "formats.hpp"
#include "model.hpp"
#include "properties.hpp"
#include "sheet_walk.hpp"
#include "chars.hpp"
#include "item_reader.hpp"
#include <qrvex/properties.h>

namespace qrv::filters {
namespace {

constexpr uint32_t kStyleSlots = 16;

// A section of the document: one record of store 1, or the whole item
// stream when the document has no sections.
struct SectionRange {
    uint32_t number;
    CHSectionInfo info;
};

std::vector<SectionRange> sections_of(CHHandle h) {
    std::vector<SectionRange> sections;
    uint32_t count = 0;
    if (CHGetItemCount(h, CH_STORE_SECTIONS, &count) != 0) count = 0;
    for (uint32_t n = 0; n < count; ++n) {
        CHSectionInfo info{};
        if (CHGetSectionInfo(h, CH_STORE_SECTIONS, n, &info) == 0) sections.push_back({n, info});
    }
    if (sections.empty()) {
        uint32_t first = 0;
        if (CHGetItemId(h, CH_STORE_ITEMS, 0, &first) == 0)
            sections.push_back({0, CHSectionInfo{0, first, CH_NO_ITEM - 1, 0}});
    }
    return sections;
}

std::string title_property(const std::vector<Property> &properties) {
    for (const auto &p : properties)
        if (p.id == kPropertyTitle) return p.value;
    return {};
}

// The document's name as the host gave it, or "".
std::string document_name(uint32_t hOptions) {
    constexpr uint32_t kLongestName = 1024;
    char name[kLongestName];
    uint32_t size = sizeof name;
    if (DAGetOption(hOptions, QRV_OPTION_DOCUMENT_NAME, name, &size) != 0) return {};
    return std::string(name, strnlen(name, size));
}

uint32_t total_items(CHHandle h) {
    uint32_t count = 0;
    return CHGetItemCount(h, CH_STORE_ITEMS, &count) == 0 ? count : 0;
}

// The style sheet of one export.
struct StyleSheet {
    CUStyleSheet *sheet = nullptr;
    uint32_t status;
    explicit StyleSheet(CHHandle h) { status = CUCreateStyleSheet(&sheet, kStyleSlots, h); }
    ~StyleSheet() { CUDestroyStyleSheet(&sheet); }
    StyleSheet(const StyleSheet &) = delete;
    StyleSheet &operator=(const StyleSheet &) = delete;
};

uint32_t walk_flow(WalkContext &ctx, const SectionRange &section) {
    Flow flow(ctx, 0);
    FlowStop stop;
    return flow.walk(section.info.FirstItemId, section.info.LastItemId, stop);
}

// The slide a slide section's first item marks; none for a section that
// does not start with the mark.
std::optional<SlideInfo> slide_of(CHHandle h, const CHSectionInfo &info) {
    CHItem item{};
    uint32_t next = CH_NO_ITEM;
    if (CHGetItem(h, CH_STORE_ITEMS, info.FirstItemId, &item, &next) != 0) return std::nullopt;
    if (item.type != CH_ITEM_TAG_BEGIN || item.value != kSlideTag) return std::nullopt;
    return SlideInfo{item.data1, (item.data2 & kSlideHidden) != 0};
}

uint32_t walk_slide(WalkContext &ctx, const SectionRange &section) {
    const std::optional<SlideInfo> slide = slide_of(ctx.chunker, section.info);
    if (!slide) return walk_flow(ctx, section);
    ctx.slides.push_back({1, slide_label(slide->number), slide_anchor(slide->number)});
    ctx.slide_open = true;
    ctx.writer.begin_slide(*slide);
    const uint32_t rc = walk_flow(ctx, section);
    ctx.slide_open = ctx.slide_titling = false;
    ctx.writer.end_slide();
    return rc;
}

uint32_t walk_section(WalkContext &ctx, const SectionRange &section) {
    ctx.outline.add_section(section.info.FirstItemId, section.info.LastItemId, section.info.SectionKind);
    if (section.info.SectionKind == kSpreadsheetSection) return walk_sheet(ctx, section.number, section.info);
    if (section.info.SectionKind == kSlideSection) return walk_slide(ctx, section);
    return walk_flow(ctx, section);
}

// The title property of the document (ahead of its first section), or "".
}  // namespace

WalkOptions walk_options_of(uint32_t option_word) {
    WalkOptions options;
    options.contents = (option_word & QRV_FILTER_TOC) && !(option_word & QRV_FILTER_NO_TOC);
    options.notes = !(option_word & QRV_FILTER_NO_NOTES);
    options.progress = !(option_word & QRV_FILTER_NO_PROGRESS);
    options.embed_pictures = (option_word & QRV_FILTER_EMBED_PICTURES) != 0;
    return options;
}

uint32_t walk_document(CHHandle h, uint32_t hExport, uint32_t hOptions, const WalkOptions &options, Writer &writer) {
    StyleSheet styles(h);
    if (styles.status != 0) return styles.status;
    ListNumbers lists(h);
    if (lists.status() != 0) return lists.status();
    Progress progress(hExport, options.progress, total_items(h));
    progress.watch(writer);
    Outline outline(h, options.contents);
    NumberFormats numbers(h, hOptions);
    ItemReader items(h);
    const PictureLinks pictures(hOptions, options.embed_pictures);
    WalkContext ctx{h,       hOptions, styles.sheet, writer, progress, lists, outline,
                    numbers, items,    pictures,     {},     {},       {},    {}};
    clear_paragraph_record(ctx.para);

    const auto properties = read_properties(h, outline);
    const auto sections = sections_of(h);
    if (sections.empty()) return CH_ERR_NO_ITEM;
    for (const auto &section : sections) {
        if (uint32_t rc = walk_section(ctx, section)) progress.warn(rc);
        if (progress.stopped()) return FA_ERR_CANCELLED;
    }
    if (uint32_t rc = outline.settle()) progress.warn(rc);
    std::vector<OutlineEntry> entries;
    // A presentation's contents are its slides.
    if (options.contents) entries = ctx.slides.empty() ? outline.entries() : std::move(ctx.slides);
    std::vector<Note> notes;
    if (options.notes) notes = outline.notes();
    writer.properties(properties);
    writer.document_name(document_name(hOptions));
    writer.finish(ctx.title.empty() ? title_property(properties) : ctx.title, entries, notes);
    progress.finish();
    return 0;
}

namespace {

// The export's sink, as the page's output hands its buffers on.
class HostSink final : public ByteSink {
public:
    explicit HostSink(uint32_t hSink) : sink_(hSink) {}
    bool take(std::string_view bytes) override {
        if (result_ == 0) result_ = FAWrite(sink_, bytes.data(), bytes.size());
        return result_ == 0;
    }
    uint32_t result() const { return result_; }

private:
    uint32_t sink_;
    uint32_t result_ = 0;
};

using WriterMaker = std::function<std::unique_ptr<Writer>(Output &, uint32_t)>;

uint32_t run_with(FAExportContext *ctx, const WriterMaker &make_writer) {
    if (!ctx) return FA_ERR_BAD_STATE;
    HostSink sink(ctx->hSink);
    try {
        auto page = std::make_unique<Output>(sink);
        auto writer = make_writer(*page, ctx->optionWord);
        uint32_t rc =
            walk_document(ctx->chunker, ctx->hExport, ctx->hOptions, walk_options_of(ctx->optionWord), *writer);
        page->flush();
        if (sink.result() != 0) return sink.result();
        if (writer->failed()) return FA_ERR_BAD_SINK;
        return rc;
    } catch (const std::bad_alloc &) {
        return FA_ERR_NO_MEMORY;
    } catch (...) {
        return FA_ERR_FILTER_FAILED;
    }
}

}  // namespace

uint32_t run_export(FAExportContext *ctx, MakeOptionWriter make_writer) { return run_with(ctx, make_writer); }

uint32_t run_export(FAExportContext *ctx, MakeWriter make_writer) {
    return run_with(ctx, [make_writer](Output &page, uint32_t) { return make_writer(page); });
}

}  // namespace qrv::filters
