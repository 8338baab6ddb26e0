#include "picture_files.hpp"

#include <qrvfa.h>

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

}  // namespace

std::string picture_folder_name(const std::string &output_path) {
    return fs::path(output_path).stem().string() + "_files";
}

Outcome write_picture_files(CHHandle h, const std::string &output_path) {
    uint32_t count = 0;
    if (CHGetResourceCount(h, &count) != 0 || count == 0) return {};
    const fs::path folder = folder_beside(output_path);
    if (Outcome o = make_folder(folder); o.failed()) return o;
    for (uint32_t i = 0; i < count; ++i) {
        const char *name = nullptr;
        const void *bytes = nullptr;
        size_t length = 0;
        if (CHGetResourceAt(h, i, &name, &bytes, &length, nullptr) != 0) continue;
        if (Outcome o = write_one(folder, name, bytes, length); o.failed()) return o;
    }
    return {};
}

}  // namespace qrv::convert
