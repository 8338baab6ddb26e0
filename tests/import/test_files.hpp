// Files the tests read whole: data kept beside them, or the corpus where
// a machine has it (empty where the file is missing).
#pragma once

#include <fstream>
#include <sstream>
#include <string>

namespace qrv::test {

inline std::string read_file(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace qrv::test
