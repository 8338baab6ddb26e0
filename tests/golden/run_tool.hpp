// Runs the qrvex-export of this build tree and collects what it wrote.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace qrv::testing {

struct ToolRun {
    int status = -1;       // exit status; -1 when the tool did not exit normally
    bool signalled = false;
    std::string out;       // standard output
    std::string err;       // standard error
};

inline std::string read_all(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

inline void write_all(const std::string &path, const std::string &text) {
    std::ofstream(path, std::ios::binary) << text;
}

inline std::string scratch_path(const std::string &name) {
    return ::testing::TempDir() + "qrvex-" + std::to_string(getpid()) + "-" + name;
}

inline std::string tool_path() { return QRV_BINARY_DIR "/bin/qrvex-export"; }

// arguments are passed to the shell as they stand; quote them yourself.
inline ToolRun run_tool(const std::string &arguments) {
    const std::string out = scratch_path("stdout"), err = scratch_path("stderr");
    const std::string command = "'" + tool_path() + "' " + arguments + " >'" + out + "' 2>'" + err + "'";
    ToolRun run;
    int raw = std::system(command.c_str());
    if (raw != -1 && WIFEXITED(raw)) run.status = WEXITSTATUS(raw);
    run.signalled = raw == -1 || WIFSIGNALED(raw) || (WIFEXITED(raw) && WEXITSTATUS(raw) > 125);
    run.out = read_all(out);
    run.err = read_all(err);
    std::remove(out.c_str());
    std::remove(err.c_str());
    return run;
}

inline std::string sample_path(const std::string &name) { return QRV_SOURCE_DIR "/samples/" + name; }

// A sanitizer of the tool's build reported something on standard error.
inline bool sanitizer_spoke(const std::string &err) {
    return err.find("Sanitizer") != std::string::npos || err.find("runtime error") != std::string::npos;
}

}  // namespace qrv::testing
