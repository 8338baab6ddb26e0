#include "package.hpp"

#include <algorithm>
#include <cctype>

#include "core/error.hpp"
#include "package_data.hpp"
#include "part_names.hpp"

namespace qrv::import {
namespace {

constexpr size_t kSmallPartBytes = 16u << 20;

bool same_folded(std::string_view a, std::string_view b) {
    if (a.starts_with('/')) a.remove_prefix(1);
    if (b.starts_with('/')) b.remove_prefix(1);
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

// <Relationship Id Type Target TargetMode> of a relationships part.
class RelationshipsReader final : public XmlHandler {
public:
    RelationshipsReader(std::string_view source, std::vector<Relationship> &out) : source_(source), out_(out) {}

    void start(const XmlName &name, const XmlAttributes &a) override {
        if (name.local != "Relationship") return;
        Relationship r;
        r.id = a.get(Ns::None, "Id");
        r.type = a.get(Ns::None, "Type");
        const std::string_view target = a.get(Ns::None, "Target");
        r.external = a.get(Ns::None, "TargetMode") == "External";
        r.target = r.external ? std::string(target) : resolve_target(source_, target);
        out_.push_back(std::move(r));
    }
    void end(const XmlName &) override {}

private:
    std::string_view source_;
    std::vector<Relationship> &out_;
};

// <Default Extension ContentType> and <Override PartName ContentType>.
class ContentTypesReader final : public XmlHandler {
public:
    using Pairs = std::vector<std::pair<std::string, std::string>>;
    ContentTypesReader(Pairs &defaults, Pairs &overrides) : defaults_(defaults), overrides_(overrides) {}

    void start(const XmlName &name, const XmlAttributes &a) override {
        const std::string type(a.get(Ns::None, "ContentType"));
        if (name.local == "Default")
            defaults_.emplace_back(a.get(Ns::None, "Extension"), type);
        else if (name.local == "Override")
            overrides_.emplace_back(a.get(Ns::None, "PartName"), type);
    }
    void end(const XmlName &) override {}

private:
    Pairs &defaults_, &overrides_;
};

}  // namespace

bool relationship_type_is(const Relationship &r, std::string_view last_step) {
    const size_t slash = r.type.rfind('/');
    return slash != std::string::npos && std::string_view(r.type).substr(slash + 1) == last_step;
}

Package::Package(std::span<const uint8_t> bytes, const Limits &limits, Diagnostics &diagnostics)
    : archive_(bytes, limits), limits_(limits), diagnostics_(diagnostics) {}

void Package::read(std::string_view part, XmlHandler &handler, Parse how) {
    auto source = archive_.open(part, how == Parse::AheadWhenLarge);
    diagnostics_.enter_part(source->name());
    struct Leave {
        Diagnostics &d;
        ~Leave() { d.leave_part(); }
    } leave{diagnostics_};
    read_xml(*source, handler, limits_, how);
}

std::string Package::read_all(std::string_view part) { return archive_.read_all(part, kSmallPartBytes); }

const std::vector<Relationship> &Package::relationships(std::string_view part) {
    if (auto found = relationships_.find(part); found != relationships_.end()) return found->second;
    std::vector<Relationship> list;
    const std::string rels = relationships_part(part);
    if (archive_.has(rels)) {
        RelationshipsReader reader(part, list);
        read(rels, reader);
        drop_package_data_targets(rels, list, diagnostics_);
    }
    // Ids are looked up by a map: a part may have a relationship for each of
    // thousands of pictures and links.
    auto &ids = relationship_ids_[std::string(part)];
    for (size_t i = 0; i < list.size(); ++i) ids.emplace(list[i].id, i);  // the first of an id wins
    return relationships_.emplace(std::string(part), std::move(list)).first->second;
}

const Relationship *Package::relationship(std::string_view part, std::string_view id) {
    const std::vector<Relationship> &list = relationships(part);
    const auto ids = relationship_ids_.find(part);
    if (ids == relationship_ids_.end()) return nullptr;
    const auto found = ids->second.find(id);
    return found == ids->second.end() ? nullptr : &list[found->second];
}

const Relationship *Package::first_of_type(std::string_view part, std::string_view last_step) {
    for (const auto &r : relationships(part))
        if (relationship_type_is(r, last_step)) return &r;
    return nullptr;
}

void Package::load_content_types() {
    overrides_.emplace();
    defaults_.emplace();
    if (!archive_.has("[Content_Types].xml")) return;
    ContentTypesReader reader(*defaults_, *overrides_);
    read("[Content_Types].xml", reader);
}

std::string Package::content_type(std::string_view part) {
    if (!overrides_) load_content_types();
    for (const auto &[name, type] : *overrides_)
        if (same_folded(name, part)) return type;
    const size_t dot = part.rfind('.');
    const std::string_view ext = dot == std::string_view::npos ? std::string_view{} : part.substr(dot + 1);
    for (const auto &[extension, type] : *defaults_)
        if (same_folded(extension, ext)) return type;
    return {};
}

}  // namespace qrv::import
