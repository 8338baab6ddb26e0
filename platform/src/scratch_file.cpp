#include "qrvplatform/scratch_file.hpp"

#include "qrvplatform/size_setting.hpp"

#if defined(__linux__)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <string>

namespace qrv {

namespace {

int open_in(const char *folder) {
#if defined(O_TMPFILE)
    const int fd = open(folder, O_TMPFILE | O_RDWR | O_CLOEXEC | O_EXCL, 0600);
    if (fd >= 0) return fd;
#endif
    // A folder whose file system has no unnamed files: a named one,
    // unlinked at once.
    std::string name = std::string(folder) + "/qrvex-scratch-XXXXXX";
    const int named = mkostemp(name.data(), O_CLOEXEC);
    if (named >= 0) unlink(name.c_str());
    return named;
}

}  // namespace

int open_scratch_file() {
    const char *tmpdir = std::getenv("TMPDIR");
    for (const char *folder : {tmpdir, "/var/tmp", "/tmp"}) {
        if (!folder || !*folder) continue;
        const int fd = open_in(folder);
        if (fd >= 0) return fd;
    }
    return -1;
}

bool grow_scratch_file(int fd, size_t from, size_t to) {
    if (from > to || to > static_cast<unsigned long long>(std::numeric_limits<off_t>::max())) return false;
    // posix_fallocate extends the file as it allocates, and reports its
    // error rather than setting errno.
    return posix_fallocate(fd, static_cast<off_t>(from), static_cast<off_t>(to - from)) == 0;
}

void close_scratch_file(int fd) {
    if (fd >= 0) close(fd);
}

size_t scratch_from_setting(size_t fallback) {
    static const size_t setting = static_cast<size_t>(
        std::min<uint64_t>(size_setting("QRVEX_SCRATCH_FROM", fallback), ~size_t{0}));
    return setting;
}

}  // namespace qrv

#else

namespace qrv {

int open_scratch_file() { return -1; }
bool grow_scratch_file(int, size_t, size_t) { return false; }
void close_scratch_file(int) {}
size_t scratch_from_setting(size_t) { return ~size_t{0}; }

}  // namespace qrv

#endif
