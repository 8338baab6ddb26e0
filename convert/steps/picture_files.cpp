#include "picture_files.hpp"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "atomic_output.hpp"
#include "output_sink.hpp"

namespace qrv::convert {
namespace {

namespace fs = std::filesystem;

fs::path folder_beside(const std::string &output_path) {
    return fs::path(output_path).parent_path() / picture_folder_name(output_path);
}

bool write_whole(const std::string &path, const void *bytes, size_t length) {
    FILE *f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool written = std::fwrite(bytes, 1, length, f) == length;
    const int saved = errno;
    const bool closed = std::fclose(f) == 0;
    if (!written) errno = saved ? saved : EIO;
    return written && closed;
}

Outcome write_one(const fs::path &folder, const char *name, const void *bytes, size_t length) {
    const std::string target = (folder / name).string();
    AtomicOutput file;
    errno = 0;
    if (!file.open(target) || !write_whole(file.path(), bytes, length) || !file.commit())
        return output_failure(target, errno);
    return {};
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
