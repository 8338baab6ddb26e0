#include "picture_store.hpp"

#include <qrvch.h>
#include <qrvmodel/chart_codec.hpp>

#include <cctype>

#include "build_error.hpp"

namespace qrv::import {
namespace {

struct MediaType {
    std::string_view extension;
    std::string_view type;
};

constexpr MediaType kMediaTypes[] = {
    {"png", "image/png"},  {"jpg", "image/jpeg"},    {"jpeg", "image/jpeg"}, {"jpe", "image/jpeg"},
    {"gif", "image/gif"},  {"svg", "image/svg+xml"}, {"bmp", "image/bmp"},   {"dib", "image/bmp"},
    {"tif", "image/tiff"}, {"tiff", "image/tiff"},   {"webp", "image/webp"}, {"emf", "image/emf"},
    {"wmf", "image/wmf"},  {"emz", "image/x-emz"},   {"wmz", "image/x-wmz"}, {"ico", "image/x-icon"},
};

std::string_view last_step(std::string_view source) {
    const size_t slash = source.find_last_of("/\\");
    return slash == std::string_view::npos ? source : source.substr(slash + 1);
}

std::string_view extension_of(std::string_view name) {
    const size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string_view{} : name.substr(dot + 1);
}

bool same_letters(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != b[i]) return false;
    return true;
}

// Letters, digits, '-', '_' and '.' stay; anything else becomes '_', and a
// leading dot too, so the name is a plain file name on every system.
std::string safe_file_name(std::string_view step) {
    std::string name;
    for (const char c : step.substr(0, 100)) {
        const bool plain = std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || c == '.';
        name += plain && !(name.empty() && c == '.') ? c : '_';
    }
    return name.empty() ? "picture" : name;
}

}  // namespace

std::string_view picture_media_type(std::string_view name) {
    const std::string_view extension = extension_of(last_step(name));
    for (const auto &m : kMediaTypes)
        if (same_letters(extension, m.extension)) return m.type;
    return {};
}

PictureStore::PictureStore(DocumentWriter &out, const Limits &limits, Diagnostics &diagnostics, bool keep_pictures)
    : out_(out), limits_(limits), diagnostics_(diagnostics), keep_(keep_pictures) {}

std::string PictureStore::unique_name(std::string_view source) {
    const std::string name = safe_file_name(last_step(source));
    const size_t dot = name.rfind('.');
    const std::string stem = dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
    const std::string extension = dot == std::string::npos || dot == 0 ? "" : name.substr(dot);
    // Each name remembers the number its next namesake tries first, so a
    // thousand pictures of one name cost no more than a thousand names.
    std::string candidate = name;
    unsigned &n = next_number_[name];
    if (n < 2) n = 2;
    while (names_.contains(candidate)) candidate = stem + "-" + std::to_string(n++) + extension;
    names_.insert(candidate);
    return candidate;
}

std::string PictureStore::keep(std::string_view source, std::string_view media_type, const ReadBytes &read) {
    if (!keep_ || source.empty()) return {};
    if (const auto it = by_source_.find(source); it != by_source_.end()) return it->second;
    std::string &kept = by_source_[std::string(source)];
    std::string bytes;
    try {
        bytes = read();
    } catch (const ImportError &e) {
        diagnostics_.warn(std::string(source) + ": the picture cannot be read (" + e.what() + ")");
        return {};
    }
    if (bytes.size() > limits_.max_picture_bytes - bytes_) {
        diagnostics_.warn(std::string(source) + ": the document's pictures pass their bound; shown by name");
        return {};
    }
    bytes_ += bytes.size();
    const std::string name = unique_name(source);
    const std::string type(media_type.empty() ? picture_media_type(source) : media_type);
    if (uint32_t rc = CHAddResource(out_.handle(), name.c_str(), type.c_str(), bytes.data(), bytes.size()))
        throw ImportError(rc, "cannot keep the picture " + std::string(source));
    kept = name;
    return kept;
}

std::string PictureStore::keep_chart(std::string_view source, const model::Chart &chart) {
    const std::string name = std::string(model::kChartResourcePrefix) + std::string(source);
    if (const auto it = by_source_.find(name); it != by_source_.end()) return it->second;
    std::string &kept = by_source_[name];
    const std::string bytes = model::serialise_chart(chart);
    if (bytes.size() > limits_.max_picture_bytes - bytes_) {
        diagnostics_.warn(std::string(source) + ": the document's pictures pass their bound; the chart is shown by name");
        return {};
    }
    bytes_ += bytes.size();
    const std::string type(model::kChartMediaType);
    if (uint32_t rc = CHAddResource(out_.handle(), name.c_str(), type.c_str(), bytes.data(), bytes.size()))
        throw ImportError(rc, "cannot keep the chart " + std::string(source));
    kept = name;
    return kept;
}

}  // namespace qrv::import
