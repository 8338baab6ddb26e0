// Scratch files may grow past 2 GiB on 32-bit systems too.
#define _FILE_OFFSET_BITS 64

#include "scratch_file.hpp"

#include <qrvfilters.h>

#include <cerrno>
#include <cstdlib>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace qrv::filters {
namespace {
thread_local int t_scratch_error = 0;
}

void note_scratch_failure(int error) { t_scratch_error = error ? error : EIO; }

#ifdef _WIN32

// "D": the C runtime deletes the file when it is closed; "T": keep it in
// memory while the system can.
std::FILE *open_scratch_file() {
    char dir[MAX_PATH + 1] = {};
    char path[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathA(sizeof dir, dir);
    if (length == 0 || length > MAX_PATH || GetTempFileNameA(dir, "qrv", 0, path) == 0) return std::tmpfile();
    std::FILE *file = std::fopen(path, "w+bTD");
    if (!file) DeleteFileA(path);
    return file;
}

#else

std::FILE *open_scratch_file() {
    const char *dir = std::getenv("TMPDIR");
    std::string name = std::string(dir && *dir ? dir : "/tmp") + "/qrvex-spill-XXXXXX";
    const int fd = mkstemp(name.data());
    if (fd < 0) return std::tmpfile();
    unlink(name.c_str());
    std::FILE *file = fdopen(fd, "w+b");
    if (!file) close(fd);
    return file;
}

#endif

}  // namespace qrv::filters

extern "C" uint32_t QRVTakeScratchFileError(void) {
    const int error = qrv::filters::t_scratch_error;
    qrv::filters::t_scratch_error = 0;
    return static_cast<uint32_t>(error);
}
