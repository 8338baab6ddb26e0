#include "timed_export.hpp"

#ifndef _WIN32
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <cerrno>
#include <chrono>
#include <cstring>
#include <string>

#include "atomic_output.hpp"

namespace qrv::tool {

#ifdef _WIN32

bool timed_exports_available() { return false; }

ExportResult export_in_time(const Arguments &, unsigned, std::vector<std::string> &) {
    return {kExitUsage, "--timeout is not available on this system"};
}

#else

namespace {

// What the child says: its status, its message and its warnings, each
// text as its length, a colon and its bytes.
void put_text(std::string &out, const std::string &text) { out += std::to_string(text.size()) + ":" + text; }

bool take_text(const std::string &in, size_t &at, std::string &text) {
    const size_t colon = in.find(':', at);
    if (colon == std::string::npos) return false;
    const size_t length = std::strtoull(in.c_str() + at, nullptr, 10);
    if (colon + 1 + length > in.size()) return false;
    text = in.substr(colon + 1, length);
    at = colon + 1 + length;
    return true;
}

class CollectingObserver : public ExportObserver {
public:
    void progress(uint32_t) override {}
    void warning(const std::string &line) override { lines.push_back(line); }
    std::vector<std::string> lines;
};

void write_whole(int fd, const std::string &bytes) {
    for (size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        done += static_cast<size_t>(n);
    }
}

[[noreturn]] void run_child(const Arguments &args, int report_fd) {
    CollectingObserver observer;
    const ExportResult result = export_document(args, observer);
    std::string report;
    put_text(report, std::to_string(result.status));
    put_text(report, result.message);
    for (const std::string &line : observer.lines) put_text(report, line);
    std::string framed;
    put_text(framed, report);
    write_whole(report_fd, framed);
    _exit(0);
}

// The report is whole once the bytes its length names have come.
bool is_whole(const std::string &framed, std::string &report) {
    size_t at = 0;
    return take_text(framed, at, report);
}

// What is in the pipe now, without waiting.
void drain(int fd, std::string &framed) {
    char buffer[4096];
    for (pollfd ready{fd, POLLIN, 0}; ::poll(&ready, 1, 0) > 0;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0) return;
        framed.append(buffer, static_cast<size_t>(n));
    }
}

// Waits for the child's whole report, for its end or for the deadline.
// Other children may hold the pipe open too, so its end of file is not
// waited for.
enum class Ending { Reported, Exited, TimedOut };

Ending await_child(int fd, pid_t child, std::chrono::steady_clock::time_point deadline, std::string &report,
                   int &wait_status) {
    constexpr int kLookMs = 100;
    std::string framed;
    for (;;) {
        if (is_whole(framed, report)) return Ending::Reported;
        if (::waitpid(child, &wait_status, WNOHANG) == child) {
            drain(fd, framed);
            is_whole(framed, report);
            return Ending::Exited;
        }
        if (std::chrono::steady_clock::now() >= deadline) return Ending::TimedOut;
        pollfd ready{fd, POLLIN, 0};
        if (::poll(&ready, 1, kLookMs) > 0) drain(fd, framed);
    }
}

ExportResult result_of(const std::string &report, int wait_status, std::vector<std::string> &warnings) {
    size_t at = 0;
    std::string status, message;
    if (!take_text(report, at, status) || !take_text(report, at, message)) {
        if (WIFSIGNALED(wait_status))
            return {kExitFailed, std::string("the conversion was ended by signal ") + strsignal(WTERMSIG(wait_status))};
        return {kExitFailed, "the conversion ended without a result"};
    }
    for (std::string line; take_text(report, at, line);) warnings.push_back(line);
    return {std::atoi(status.c_str()), message};
}

}  // namespace

bool timed_exports_available() { return true; }

ExportResult export_in_time(const Arguments &args, unsigned seconds, std::vector<std::string> &warnings) {
    int report[2];
    if (::pipe(report) != 0) return {kExitFailed, std::string("cannot start the conversion: ") + std::strerror(errno)};
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(report[0]);
        ::close(report[1]);
        return {kExitFailed, std::string("cannot start the conversion: ") + std::strerror(errno)};
    }
    if (child == 0) {
        ::close(report[0]);
        run_child(args, report[1]);
    }
    ::close(report[1]);
    std::string bytes;
    int wait_status = 0;
    const Ending ending = await_child(report[0], child, deadline, bytes, wait_status);
    ::close(report[0]);
    if (ending == Ending::TimedOut) ::kill(child, SIGKILL);
    if (ending != Ending::Exited)
        while (::waitpid(child, &wait_status, 0) < 0 && errno == EINTR) {
        }
    if (ending != Ending::TimedOut) return result_of(bytes, wait_status, warnings);
    convert::AtomicOutput::remove_left_by(args.output, static_cast<long>(child));
    return {kExitFailed,
            "the conversion took longer than " + std::to_string(seconds) + " s (--timeout) and was stopped"};
}

#endif

}  // namespace qrv::tool
