#include "batch.hpp"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <map>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

#include "batch_names.hpp"
#include "export_document.hpp"
#include "timed_export.hpp"
#include "progress_bar.hpp"

namespace qrv::tool {
namespace {

namespace fs = std::filesystem;

// One document of a batch and what became of it.
struct BatchDocument {
    std::string input;
    std::string output;
    std::string renamed_from;           // the output it would have written, when another document writes that
    std::string taken_by;               // that other document
    ExportResult result;                // already failed when it cannot even start
    std::vector<std::string> warnings;  // what its export reported, in order
};

// A document's warnings stay with it until the summary; the batch's bar
// counts whole documents, so per-document progress is not shown.
class DocumentObserver : public ExportObserver {
public:
    explicit DocumentObserver(BatchDocument &document) : document_(document) {}
    void progress(uint32_t) override {}
    void warning(const std::string &line) override { document_.warnings.push_back(line); }

private:
    BatchDocument &document_;
};

// The bar for the whole batch; documents end on any thread.
class BatchProgress {
public:
    BatchProgress(const Arguments &args, size_t total) : bar_(isatty(STDERR_FILENO) == 1, args.quiet), total_(total) {}
    void finished_one() {
        std::lock_guard guard(mutex_);
        bar_.count(++done_, total_);
    }
    void done() { bar_.done(); }

private:
    std::mutex mutex_;
    ProgressBar bar_;
    size_t total_;
    size_t done_ = 0;
};

ExportResult refused(const std::string &why) { return {kExitFailed, why}; }

// Every document gets its output path, a distinct one; one that would
// write over its own input is failed before the run.
std::vector<BatchDocument> plan_batch(const Arguments &args) {
    std::vector<BatchDocument> documents;
    const std::vector<BatchOutput> outputs = plan_outputs(args.output_dir, args.inputs, *args.format, args.mirror);
    for (size_t i = 0; i < args.inputs.size(); ++i) {
        BatchDocument d{args.inputs[i], outputs[i].path, outputs[i].wanted, outputs[i].taken_by, {}, {}};
        std::error_code ec;
        if (fs::equivalent(d.input, d.output, ec)) d.result = refused("its output " + d.output + " would overwrite it");
        documents.push_back(std::move(d));
    }
    return documents;
}

// The folders a mirrored output goes into are made as it starts.
bool make_folder_of(BatchDocument &document) {
    const fs::path folder = fs::path(document.output).parent_path();
    std::error_code ec;
    if (folder.empty() || fs::is_directory(folder, ec)) return true;
    fs::create_directories(folder, ec);
    if (fs::is_directory(folder)) return true;
    document.result = refused("cannot make the folder " + folder.string() + (ec ? ": " + ec.message() : ""));
    return false;
}

// shared: the batch's options without its list of inputs, which each
// document's copy would not use.
void convert_one(const Arguments &shared, BatchDocument &document) {
    if (document.result.status || !make_folder_of(document)) return;
    Arguments args = shared;
    args.input = document.input;
    args.output = document.output;
    DocumentObserver observer(document);
    try {
        document.result =
            shared.timeout ? export_in_time(args, shared.timeout, document.warnings) : export_document(args, observer);
    } catch (const std::exception &e) {
        document.result = {kExitFailed, std::string("the conversion stopped: ") + e.what()};
    }
}

// args.jobs threads (the calling one among them) take the next document
// until none is left.
void convert_all(const Arguments &args, std::vector<BatchDocument> &documents, BatchProgress &progress) {
    Arguments shared = args;
    shared.inputs.clear();
    shared.output_dir.clear();
    std::atomic<size_t> next{0};
    auto work = [&] {
        for (size_t i; (i = next++) < documents.size();) {
            convert_one(shared, documents[i]);
            progress.finished_one();
        }
    };
    std::vector<std::thread> helpers;
    const size_t threads = std::min<size_t>(args.jobs, documents.size());
    try {
        while (helpers.size() + 1 < threads) helpers.emplace_back(work);
    } catch (const std::system_error &) {
        // Fewer threads than asked for still convert everything.
    }
    work();
    for (auto &t : helpers) t.join();
}

// "reason" without the input's name in front when the importer already put
// it there.
std::string reason_of(const BatchDocument &d) {
    const std::string &m = d.result.message;
    const std::string lead = d.input + ": ";
    return m.compare(0, lead.size(), lead) == 0 ? m.substr(lead.size()) : m;
}

void append_lines(std::string &out, const std::string &prefix, const std::string &text) {
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        out += prefix + text.substr(start, end - start) + "\n";
        start = end + 1;
    }
}

std::string batch_summary(const std::vector<BatchDocument> &documents, bool quiet) {
    std::string out;
    size_t failed = 0;
    for (const auto &d : documents) {
        failed += d.result.status != 0;
        if (!quiet)
            for (const auto &w : d.warnings) append_lines(out, "qrvex-export: " + d.input + ": ", w);
    }
    out += "qrvex-export: " + std::to_string(documents.size() - failed) + " converted, " + std::to_string(failed) +
           " failed\n";
    for (const auto &d : documents)
        if (!d.renamed_from.empty())
            out += "qrvex-export: renamed: " + d.input + ": written to " + d.output + " (" + d.renamed_from +
                   " is the output of " + d.taken_by + ")\n";
    for (const auto &d : documents)
        if (d.result.status) out += "qrvex-export: failed: " + d.input + ": " + reason_of(d) + "\n";
    return out;
}

}  // namespace

int run_batch(const Arguments &args) {
    std::error_code ec;
    fs::create_directories(args.output_dir, ec);
    if (!fs::is_directory(args.output_dir)) {
        std::fprintf(stderr, "qrvex-export: %s: cannot make the output directory%s%s\n", args.output_dir.c_str(),
                     ec ? ": " : "", ec ? ec.message().c_str() : "");
        return kExitUsage;
    }
    std::vector<BatchDocument> documents = plan_batch(args);
    BatchProgress progress(args, documents.size());
    convert_all(args, documents, progress);
    progress.done();
    const std::string summary = batch_summary(documents, args.quiet);
    std::fputs(summary.c_str(), stderr);
    const bool all_converted =
        std::none_of(documents.begin(), documents.end(), [](const BatchDocument &d) { return d.result.status != 0; });
    return all_converted ? 0 : kExitFailed;
}

}  // namespace qrv::tool
