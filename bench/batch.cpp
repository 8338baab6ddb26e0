// Batch conversion: documents per second of `qrvex-export --jobs N
// --output-dir DIR` over 240 documents (copies of the three samples), beside
// what a host would do without it: start the tool once for each document,
// N at a time, with xargs -P N.  Both write the same files.
//
//   ./build/release/bin/bench_batch
//
// items_per_second is documents per second; cpu_us_per_doc is the processor
// time the conversions took (user and system, all their processes and
// threads) for each document, and cpus the processors they had on average:
// on a shared machine the second tells whether a second job could run at
// all.  The ratios at the end are the time of one process per document over
// the time of the batch.
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "ratio_summary.hpp"

namespace {

namespace fs = std::filesystem;

constexpr int kDocuments = 240;
const char *const kSamples[] = {"report.qrvt", "handbook.qrvt", "ledger.qrvt"};

std::string shell_word(const fs::path &path) { return "'" + path.string() + "'"; }

// The inputs, made once for the whole run and removed at its end.
class Corpus {
public:
    Corpus() : root_(fs::temp_directory_path() / ("qrvex-bench-batch-" + std::to_string(getpid()))) {
        fs::remove_all(root_);
        fs::create_directories(root_ / "in");
        for (int i = 0; i < kDocuments; ++i) {
            const std::string sample = kSamples[i % 3];
            const fs::path copy = root_ / "in" / ("doc-" + std::to_string(i) + "-" + sample);
            fs::copy_file(fs::path(QRV_SOURCE_DIR "/samples") / sample, copy);
            words_ += " " + shell_word(copy);
        }
    }
    ~Corpus() { fs::remove_all(root_); }
    const std::string &input_words() const { return words_; }
    fs::path output() const { return root_ / "out"; }
    fs::path inputs() const { return root_ / "in"; }

private:
    fs::path root_;
    std::string words_;
};

const Corpus &corpus() {
    static const Corpus c;
    return c;
}

const std::string kTool = shell_word(QRV_BINARY_DIR "/bin/qrvex-export");

// Processor time of the finished child processes so far, in seconds.
double children_cpu_seconds() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    auto seconds = [](const timeval &t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void run(benchmark::State &state, const std::string &command) {
    double cpu = 0, wall = 0;
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(corpus().output());
        fs::create_directories(corpus().output());
        const double cpu_before = children_cpu_seconds();
        const auto start = std::chrono::steady_clock::now();
        state.ResumeTiming();
        if (std::system(command.c_str()) != 0) state.SkipWithError("the conversion failed");
        state.PauseTiming();
        wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        cpu += children_cpu_seconds() - cpu_before;
        state.ResumeTiming();
    }
    const double documents = static_cast<double>(state.iterations()) * kDocuments;
    state.SetItemsProcessed(static_cast<int64_t>(documents));
    state.counters["cpu_us_per_doc"] = cpu / documents * 1e6;
    state.counters["cpus"] = wall > 0 ? cpu / wall : 0;
}

void batch(benchmark::State &state, int jobs) {
    run(state, kTool + " --quiet --jobs " + std::to_string(jobs) + " --output-dir " + shell_word(corpus().output()) +
                   corpus().input_words() + " 2>/dev/null");
}

void process_per_document(benchmark::State &state, int jobs) {
    const std::string one = kTool + " --quiet \"$1\" -o \"$2/$(basename \"$1\" .qrvt).html\"";
    run(state, "ls -d " + shell_word(corpus().inputs()) + "/* | xargs -P " + std::to_string(jobs) + " -I{} sh -c '" +
                   one + "' _ {} " + shell_word(corpus().output()));
}

void register_all() {
    for (int jobs : {1, 2}) {
        const std::string flavour = "jobs" + std::to_string(jobs);
        benchmark::RegisterBenchmark(qrv::bench::bench_name("documents", qrv::bench::kOurs, flavour).c_str(), batch,
                                     jobs)
            ->Iterations(3)
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(qrv::bench::bench_name("documents", "process-per-document", flavour).c_str(),
                                     process_per_document, jobs)
            ->Iterations(3)
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);
    }
}

}  // namespace

int main(int argc, char **argv) {
    register_all();
    return qrv::bench::run_with_ratios(argc, argv);
}
