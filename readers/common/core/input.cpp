#include "input.hpp"

#ifdef _WIN32
#include <fstream>
#include <iterator>
#else
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <cctype>
#include <cerrno>
#include <cstring>

#include "core/error.hpp"

namespace qrv::import {
namespace {

[[noreturn]] void cannot_read(const char *what) {
    throw ImportError(IM_ERR_READ, std::string("cannot read the file: ") + what);
}

}  // namespace

#ifdef _WIN32

Input Input::open_file(const std::string &path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) cannot_read(std::strerror(errno));
    Input input;
    input.name_ = path;
    input.owned_.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    if (file.bad()) cannot_read("a read failed");
    input.bytes_ = input.owned_;
    return input;
}

Input::Input(Input &&other) noexcept
    : bytes_(other.bytes_), name_(std::move(other.name_)), owned_(std::move(other.owned_)) {
    if (!owned_.empty()) bytes_ = owned_;
}

Input::~Input() = default;

#else

namespace {

// Closes a descriptor however the mapping ends.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
};

}  // namespace

Input Input::open_file(const std::string &path) {
    Descriptor file{::open(path.c_str(), O_RDONLY | O_CLOEXEC)};
    if (file.fd < 0) cannot_read(std::strerror(errno));
    struct stat info {};
    if (::fstat(file.fd, &info) != 0) cannot_read(std::strerror(errno));
    if (S_ISDIR(info.st_mode)) cannot_read("it is a directory");
    if (!S_ISREG(info.st_mode)) cannot_read("it is not a regular file");
    Input input;
    input.name_ = path;
    if (info.st_size == 0) return input;
    void *mapping = ::mmap(nullptr, static_cast<size_t>(info.st_size), PROT_READ, MAP_PRIVATE, file.fd, 0);
    if (mapping == MAP_FAILED) cannot_read(std::strerror(errno));
    input.mapping_ = mapping;
    input.mapped_size_ = static_cast<size_t>(info.st_size);
    input.bytes_ = {static_cast<const uint8_t *>(mapping), input.mapped_size_};
    return input;
}

Input::Input(Input &&other) noexcept
    : bytes_(other.bytes_), name_(std::move(other.name_)), mapping_(other.mapping_), mapped_size_(other.mapped_size_) {
    other.mapping_ = nullptr;
    other.mapped_size_ = 0;
}

Input::~Input() {
    if (mapping_) ::munmap(mapping_, mapped_size_);
}

#endif

std::string Input::extension() const {
    const size_t slash = name_.find_last_of("/\\");
    const size_t dot = name_.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    std::string ext = name_.substr(dot + 1);
    for (char &c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}

}  // namespace qrv::import
