#include "input.hpp"

#ifdef _WIN32
#include <fstream>
#include <iterator>
#else
#include <fcntl.h>
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

#else

namespace {

// Closes a descriptor however the reading ends.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
};

// The file is read, not mapped: a file that shrinks while it is imported
// then ends in an error instead of a fault on a page no longer there.
void read_whole(int fd, std::vector<uint8_t> &into) {
    size_t done = 0;
    while (done < into.size()) {
        const ssize_t got = ::read(fd, into.data() + done, into.size() - done);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) cannot_read(std::strerror(errno));
        if (got == 0) cannot_read("it became shorter while it was read");
        done += static_cast<size_t>(got);
    }
}

}  // namespace

Input Input::open_file(const std::string &path) {
    // Without O_NONBLOCK, opening a named pipe would wait for a writer
    // before the check below could refuse it; reads of a regular file
    // ignore the flag.
    Descriptor file{::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)};
    if (file.fd < 0) cannot_read(std::strerror(errno));
    struct stat info {};
    if (::fstat(file.fd, &info) != 0) cannot_read(std::strerror(errno));
    if (S_ISDIR(info.st_mode)) cannot_read("it is a directory");
    if (!S_ISREG(info.st_mode)) cannot_read("it is not a regular file");
    Input input;
    input.name_ = path;
    input.owned_.resize(static_cast<size_t>(info.st_size));
    read_whole(file.fd, input.owned_);
    input.bytes_ = input.owned_;
    return input;
}

#endif

Input::Input(Input &&other) noexcept
    : bytes_(other.bytes_), name_(std::move(other.name_)), owned_(std::move(other.owned_)) {
    if (!owned_.empty()) bytes_ = owned_;
}

Input::~Input() = default;

std::string Input::extension() const {
    const size_t slash = name_.find_last_of("/\\");
    const size_t dot = name_.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    std::string ext = name_.substr(dot + 1);
    for (char &c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}

}  // namespace qrv::import
