#include "standard_input.hpp"

#include <cstdio>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace qrv::tool {

bool read_standard_input(std::string &bytes) {
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);
#endif
    char chunk[64 * 1024];
    bytes.clear();
    while (size_t got = std::fread(chunk, 1, sizeof chunk, stdin)) bytes.append(chunk, got);
    return !std::ferror(stdin);
}

}  // namespace qrv::tool
