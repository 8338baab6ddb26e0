// Runs the qrvex-export of this build tree and collects what it wrote.
#pragma once

#ifdef _WIN32
#include <process.h>
#include <qrvplatform/platform.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace qrv::testing {

struct ToolRun {
    int status = -1;  // exit status; -1 when the tool did not exit normally
    bool signalled = false;
    std::string out;  // standard output
    std::string err;  // standard error
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

// Reads what the tool wrote to its two files into run and removes them.
// Messages on standard error are text, which Windows writes with CR LF line
// ends; they are compared as lines.  Standard output is binary everywhere.
inline void take_output(ToolRun &run, const std::string &out, const std::string &err) {
    run.out = read_all(out);
    run.err = read_all(err);
#ifdef _WIN32
    for (size_t at = run.err.find("\r\n"); at != std::string::npos; at = run.err.find("\r\n", at)) run.err.erase(at, 1);
#endif
    std::remove(out.c_str());
    std::remove(err.c_str());
}

#ifdef _WIN32

inline std::string scratch_path(const std::string &name) {
    return ::testing::TempDir() + "qrvex-" + std::to_string(_getpid()) + "-" + name;
}

inline std::string tool_path() { return QRV_BINARY_DIR "/bin/qrvex-export.exe"; }

// The words of a command line as a POSIX shell splits them, with its
// single and double quotes but no expansions: the tests write their
// arguments once for both systems.
inline std::vector<std::string> shell_words(const std::string &line) {
    std::vector<std::string> words;
    std::string word;
    bool in_word = false;
    char quote = 0;
    for (char c : line) {
        if (quote) {
            if (c == quote)
                quote = 0;
            else
                word += c;
        } else if (c == '\'' || c == '"') {
            quote = c;
            in_word = true;
        } else if (c == ' ') {
            if (in_word) words.push_back(word);
            word.clear();
            in_word = false;
        } else {
            word += c;
            in_word = true;
        }
    }
    if (in_word) words.push_back(word);
    return words;
}

// One argument quoted for the C runtime's command-line parser: inside
// quotes, backslashes before a quote are doubled and the quote escaped.
inline std::string windows_quoted(const std::string &word) {
    std::string quoted = "\"";
    size_t backslashes = 0;
    for (char c : word) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(2 * backslashes, '\\');
    return quoted + "\"";
}

inline HANDLE inheritable_file(const std::string &path, bool for_reading = false) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return CreateFileA(path.c_str(), for_reading ? GENERIC_READ : GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                       for_reading ? OPEN_EXISTING : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// The command line's words, less a "<" redirection, whose file is
// returned in stdin_path.
inline std::vector<std::string> words_and_input(const std::string &arguments, std::string &stdin_path) {
    std::vector<std::string> words;
    bool next_is_input = false;
    for (std::string &word : shell_words(arguments)) {
        if (next_is_input) {
            stdin_path = word;
            next_is_input = false;
        } else if (word == "<") {
            next_is_input = true;
        } else if (word.size() > 1 && word[0] == '<') {
            stdin_path = word.substr(1);
        } else {
            words.push_back(std::move(word));
        }
    }
    return words;
}

// A run ended by an exception has the exception's code as its exit code.
inline ToolRun run_tool(const std::string &arguments) {
    const std::string out = scratch_path("stdout"), err = scratch_path("stderr");
    std::string command = windows_quoted(tool_path()), stdin_path;
    for (const std::string &word : words_and_input(arguments, stdin_path)) command += " " + windows_quoted(word);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    const HANDLE input = stdin_path.empty() ? INVALID_HANDLE_VALUE : inheritable_file(stdin_path, true);
    startup.hStdInput = input != INVALID_HANDLE_VALUE ? input : GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = inheritable_file(out);
    startup.hStdError = inheritable_file(err);
    PROCESS_INFORMATION process{};
    ToolRun run;
    run.signalled = true;
    if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
        WaitForSingleObject(process.hProcess, INFINITE);
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        run.status = static_cast<int>(code);
        run.signalled = code >= 0xC0000000u;
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    if (input != INVALID_HANDLE_VALUE) CloseHandle(input);
    CloseHandle(startup.hStdOutput);
    CloseHandle(startup.hStdError);
    take_output(run, out, err);
    return run;
}

#else

inline std::string scratch_path(const std::string &name) {
    return ::testing::TempDir() + "qrvex-" + std::to_string(getpid()) + "-" + name;
}

inline std::string tool_path() { return QRV_BINARY_DIR "/bin/qrvex-export"; }

// arguments are passed to the shell as they stand; quote them yourself.
inline ToolRun run_tool(const std::string &arguments) {
    const std::string out = scratch_path("stdout"), err = scratch_path("stderr");
    const std::string command =
        QRV_TOOL_LAUNCHER "'" + tool_path() + "' " + arguments + " >'" + out + "' 2>'" + err + "'";
    ToolRun run;
    int raw = std::system(command.c_str());
    if (raw != -1 && WIFEXITED(raw)) run.status = WEXITSTATUS(raw);
    run.signalled = raw == -1 || WIFSIGNALED(raw) || (WIFEXITED(raw) && WEXITSTATUS(raw) > 125);
    take_output(run, out, err);
    return run;
}

#endif

inline std::string sample_path(const std::string &name) { return QRV_SOURCE_DIR "/samples/" + name; }

// Runs the tool on a document in the chunker's text format, written to a
// scratch file for the run.
inline ToolRun run_tool_on_text(const std::string &document, const std::string &arguments) {
    const std::string path = scratch_path("document.qrvt");
    write_all(path, document);
    ToolRun run = run_tool("'" + path + "' " + arguments);
    std::remove(path.c_str());
    return run;
}

// A sanitizer of the tool's build reported something on standard error.
inline bool sanitizer_spoke(const std::string &err) {
    return err.find("Sanitizer") != std::string::npos || err.find("runtime error") != std::string::npos;
}

}  // namespace qrv::testing
