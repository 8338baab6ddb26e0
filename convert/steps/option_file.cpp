#include "option_file.hpp"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace qrv::convert {
namespace {

namespace fs = std::filesystem;

// Tabs and line ends are the only control characters text holds.
bool is_text(const std::string &bytes) {
    return std::none_of(bytes.begin(), bytes.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return (b < 0x20 && b != '\t' && b != '\n' && b != '\r') || b == 0x7F;
    });
}

bool failed(std::string &error, const std::string &why) {
    error = why;
    return false;
}

}  // namespace

bool read_option_file(const std::string &path, std::string &text, std::string &error) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (status.type() == fs::file_type::not_found) return failed(error, "there is no such file");
    if (ec) return failed(error, ec.message());
    if (status.type() != fs::file_type::regular) return failed(error, "it is not a regular file");
    if (fs::file_size(path, ec) > kLargestOptionFile || ec)
        return failed(error, "it is larger than " + std::to_string(kLargestOptionFile / 1024) + " KiB");
    std::ifstream in(path, std::ios::binary);
    if (!in) return failed(error, "cannot read the file");
    // Read no more than the bound even if the file grew since.
    text.resize(kLargestOptionFile + 1);
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<size_t>(in.gcount()));
    if (text.size() > kLargestOptionFile)
        return failed(error, "it is larger than " + std::to_string(kLargestOptionFile / 1024) + " KiB");
    if (!is_text(text)) return failed(error, "it holds binary data, not text");
    return true;
}

}  // namespace qrv::convert
