#include "picture_files.hpp"

#include <qrvfa.h>
#include <qrvmodel/chart.hpp>

#include <filesystem>
#include <system_error>

#include "conversion.hpp"
#include "output_sink.hpp"

namespace qrv::convert {
namespace {

namespace fs = std::filesystem;

fs::path folder_beside(const std::string &output_path) {
    return fs::path(output_path).parent_path() / picture_folder_name(output_path);
}

// Written as the page is: a file sink on a temporary file that takes the
// target's place once complete.
Outcome write_one(const fs::path &folder, const char *name, const void *bytes, size_t length) {
    const std::string target = (folder / name).string();
    Conversion file;
    if (Outcome o = open_file_output(file, target); o.failed()) return o;
    if (length && FAWrite(file.sink, bytes, length) != 0) return sink_failure(target, file.sink);
    return close_file_output(file);
}

// A symbolic link of the folder's name is not written through: it could
// point anywhere.
Outcome make_folder(const fs::path &folder) {
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(folder, ec)))
        return failure(Part::output,
                       folder.string() + ": the pictures' folder is a symbolic link; nothing is written through it");
    fs::create_directory(folder, ec);
    if (!ec && fs::is_directory(folder, ec)) return {};
    return failure(Part::output, folder.string() + ": cannot make the pictures' folder (" +
                                     (ec ? ec.message() : std::string("a file of that name is in the way")) + ")");
}

// Resources that are files of the page: not the charts, which the page
// draws from their values.
bool is_file(CHHandle h, uint32_t index) {
    const char *name = nullptr, *media_type = nullptr;
    const void *bytes = nullptr;
    size_t length = 0;
    if (CHGetResourceAt(h, index, &name, &bytes, &length, &media_type) != 0) return false;
    return !media_type || std::string_view(media_type) != model::kChartMediaType;
}

bool has_files(CHHandle h, uint32_t count) {
    for (uint32_t i = 0; i < count; ++i)
        if (is_file(h, i)) return true;
    return false;
}

}  // namespace

std::string picture_folder_name(const std::string &output_path) {
    return fs::path(output_path).stem().string() + "_files";
}

Outcome write_picture_files(CHHandle h, const std::string &output_path) {
    uint32_t count = 0;
    if (CHGetResourceCount(h, &count) != 0 || !has_files(h, count)) return {};
    const fs::path folder = folder_beside(output_path);
    if (Outcome o = make_folder(folder); o.failed()) return o;
    for (uint32_t i = 0; i < count; ++i) {
        const char *name = nullptr;
        const void *bytes = nullptr;
        size_t length = 0;
        if (!is_file(h, i) || CHGetResourceAt(h, i, &name, &bytes, &length, nullptr) != 0) continue;
        if (Outcome o = write_one(folder, name, bytes, length); o.failed()) return o;
    }
    return {};
}

}  // namespace qrv::convert
