#include "atomic_output.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <system_error>

#ifndef O_BINARY
#define O_BINARY 0
#endif

namespace qrv::convert {
namespace {

namespace fs = std::filesystem;

// A device, a pipe or a socket: something a rename must not replace.
bool is_special_file(const std::string &target) {
    std::error_code ec;
    switch (fs::symlink_status(target, ec).type()) {
    case fs::file_type::block:
    case fs::file_type::character:
    case fs::file_type::fifo:
    case fs::file_type::socket: return true;
    default: return false;
    }
}

// ".NAME.PID-" begins the temporary files of process PID for NAME.
std::string temporary_prefix(const fs::path &target, long pid) {
    return "." + target.filename().string() + "." + std::to_string(pid) + "-";
}

// ".NAME.PID-S-A.part" beside NAME: hidden, and never taken for an output.
std::string temporary_name(const std::string &target, unsigned attempt) {
    static std::atomic<unsigned> serial{0};
    const fs::path path(target);
    const std::string name = temporary_prefix(path, static_cast<long>(getpid())) + std::to_string(serial++) + "-" +
                             std::to_string(attempt) + ".part";
    return (path.parent_path() / name).string();
}

// The new file gets the modes a plain create would give it.
bool create_exclusively(const std::string &path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_BINARY, 0666);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

// A file that replaces an older one keeps its permissions.
void keep_permissions_of(const std::string &target, const std::string &replacement) {
    std::error_code ec;
    const fs::file_status older = fs::status(target, ec);
    if (!ec && older.type() == fs::file_type::regular) fs::permissions(replacement, older.permissions(), ec);
}

}  // namespace

AtomicOutput::~AtomicOutput() {
    if (!temporary_.empty()) std::remove(temporary_.c_str());
}

bool AtomicOutput::open(const std::string &target) {
    target_ = target;
    if (is_special_file(target)) return true;
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        std::string candidate = temporary_name(target, attempt);
        if (create_exclusively(candidate)) {
            keep_permissions_of(target, candidate);
            temporary_ = std::move(candidate);
            return true;
        }
        if (errno != EEXIST) return false;
    }
    return false;
}

bool AtomicOutput::commit() {
    if (temporary_.empty()) return true;
    std::error_code ec;
    fs::rename(temporary_, target_, ec);
    if (ec) {
        errno = ec.value();
        return false;
    }
    temporary_.clear();
    return true;
}

void AtomicOutput::remove_left_by(const std::string &target, long pid) {
    const fs::path path(target);
    const std::string prefix = temporary_prefix(path, pid);
    const fs::path folder = path.parent_path().empty() ? fs::path(".") : path.parent_path();
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.starts_with(prefix) && name.ends_with(".part")) fs::remove(it->path(), ec);
    }
}

void let_oversized_writes_fail() {
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

}  // namespace qrv::convert
