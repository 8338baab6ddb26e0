// qrvex-export --output-dir DIR --jobs N: many documents at once, each
// result the same as a single run's, broken inputs named in the summary and
// never in the way of the others.  The tsan preset runs these with the tool
// built under ThreadSanitizer, so a race between the exports of one batch
// shows as a report on standard error.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "batch_names.hpp"
#include "golden/run_tool.hpp"

namespace {

namespace fs = std::filesystem;
using qrv::testing::read_all;
using qrv::testing::run_tool;
using qrv::testing::sample_path;
using qrv::testing::sanitizer_spoke;
using qrv::testing::ToolRun;
using qrv::testing::write_all;

std::vector<std::string> lines_starting(const std::string &text, const std::string &lead) {
    std::vector<std::string> found;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        if (text.compare(start, lead.size(), lead) == 0) found.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return found;
}

// A directory of its own for each test, removed afterwards.
class Batch : public ::testing::Test {
protected:
    void SetUp() override {
        const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::path(qrv::testing::scratch_path(std::string("batch-") + info->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "in");
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string in(const std::string &name) const { return (dir_ / "in" / name).string(); }
    std::string out(const std::string &name = "") const { return (dir_ / "out" / name).string(); }

    static std::string quoted(const std::vector<std::string> &paths) {
        std::string words;
        for (const auto &p : paths) words += " '" + p + "'";
        return words;
    }

    ToolRun run_batch(const std::string &options, const std::vector<std::string> &inputs) const {
        return run_tool(options + " --output-dir '" + out() + "'" + quoted(inputs));
    }

    fs::path dir_;
};

struct BrokenFile {
    const char *name;
    const char *bytes;
};

// Broken the ways real input breaks: a mistake in the text, a cut-off
// archive, an empty file.
constexpr BrokenFile kBroken[] = {
    {"broken-text.qrvt", "text \"a string never closed\nbreak PARAGRAPH\n"},
    {"broken-archive.xlsx", "PK\x03\x04\x14\x00\x00\x00 cut off here"},
    {"broken-empty.docx", ""},
};

TEST_F(Batch, FortyCopiesAndThreeBrokenFilesGiveSingleRunOutputsAndThreeFailures) {
    struct Case {
        const char *options;
        const char *extension;
    } cases[] = {
        {"--jobs 4", ".html"},
        {"--jobs 3 --format text", ".txt"},
    };
    const std::vector<std::string> samples = {"report.qrvt", "handbook.qrvt", "ledger.qrvt"};
    std::vector<std::string> inputs;
    for (int i = 0; i < 40; ++i) {
        const std::string &sample = samples[i % samples.size()];
        inputs.push_back(in("copy-" + std::to_string(i) + "-" + sample));
        fs::copy_file(sample_path(sample), inputs.back());
    }
    for (const auto &b : kBroken) {
        write_all(in(b.name), b.bytes);
        inputs.insert(inputs.begin() + 13 * static_cast<long>(&b - kBroken), in(b.name));
    }
    for (const auto &c : cases) {
        SCOPED_TRACE(c.options);
        fs::remove_all(out());
        const ToolRun batch = run_batch(std::string("--quiet ") + c.options, inputs);
        EXPECT_EQ(batch.status, 1) << batch.err;
        EXPECT_FALSE(sanitizer_spoke(batch.err)) << batch.err;
        EXPECT_EQ(batch.out, "");
        EXPECT_NE(batch.err.find("qrvex-export: 40 converted, 3 failed\n"), std::string::npos) << batch.err;

        const auto failures = lines_starting(batch.err, "qrvex-export: failed: ");
        ASSERT_EQ(failures.size(), 3u) << batch.err;
        for (size_t i = 0; i < failures.size(); ++i) {
            const std::string named = "qrvex-export: failed: " + in(kBroken[i].name) + ": ";
            EXPECT_EQ(failures[i].rfind(named, 0), 0u) << failures[i];
            EXPECT_GT(failures[i].size(), named.size() + 5) << "no reason given: " << failures[i];
            EXPECT_FALSE(fs::exists(out(fs::path(kBroken[i].name).stem().string() + c.extension)));
        }

        const std::string format = std::string(c.extension) == ".txt" ? "text" : "html";
        for (size_t s = 0; s < samples.size(); ++s) {
            const std::string first_copy = in("copy-" + std::to_string(s) + "-" + samples[s]);
            const ToolRun single = run_tool("--quiet --format " + format + " '" + first_copy + "'");
            ASSERT_EQ(single.status, 0) << single.err;
            // A page without a title of its own takes the input's name.
            const std::string first_title = "<title>" + fs::path(first_copy).stem().string() + "</title>";
            for (size_t i = s; i < 40; i += samples.size()) {
                const std::string name = "copy-" + std::to_string(i) + "-" + fs::path(samples[s]).stem().string();
                std::string expected = single.out;
                if (const size_t at = expected.find(first_title); at != std::string::npos)
                    expected.replace(at, first_title.size(), "<title>" + name + "</title>");
                EXPECT_EQ(read_all(out(name + c.extension)), expected) << name;
            }
        }
        EXPECT_EQ(std::distance(fs::directory_iterator(out()), fs::directory_iterator()), 40);
    }
}

TEST_F(Batch, AnOutputThatWouldOverwriteItsInputIsRefused) {
    fs::create_directories(dir_ / "in" / "a");
    fs::copy_file(sample_path("report.qrvt"), in("a/report.qrvt"));
    const std::string before = read_all(in("a/report.qrvt"));
    const ToolRun run = run_tool("--format items --quiet --output-dir '" + in("a") + "' '" + in("a/report.qrvt") + "'");
    EXPECT_EQ(run.status, 1);
    const auto failures = lines_starting(run.err, "qrvex-export: failed: " + in("a/report.qrvt") + ": ");
    ASSERT_EQ(failures.size(), 1u) << run.err;
    EXPECT_NE(failures[0].find("would overwrite it"), std::string::npos) << failures[0];
    EXPECT_EQ(read_all(in("a/report.qrvt")), before);
}

// The test's working directory for a while: the inputs' folders as given
// are what --mirror keeps.
class InFolder {
public:
    explicit InFolder(const fs::path &folder) : before_(fs::current_path()) { fs::current_path(folder); }
    ~InFolder() { fs::current_path(before_); }
    InFolder(const InFolder &) = delete;
    InFolder &operator=(const InFolder &) = delete;

private:
    fs::path before_;
};

// Inputs of one name from several folders: flat, the later ones get -1,
// -2 and the summary says whose name they would have had; with --mirror
// each keeps its folder, and only names that still meet are numbered.
TEST_F(Batch, InputsOfOneNameGetDistinctOutputs) {
    for (const char *folder : {"a", "b", "b/c"}) fs::create_directories(dir_ / "in" / folder);
    const std::vector<std::string> inputs = {"a/report.qrvt", "b/report.qrvt", "b/c/report-1.qrvt",
                                             "./b/c/report.qrvt"};
    for (const auto &[input, sample] :
         {std::pair{0, "report.qrvt"}, {1, "ledger.qrvt"}, {2, "ledger.qrvt"}, {3, "report.qrvt"}})
        fs::copy_file(sample_path(sample), in(inputs[input]));
    const std::string report = read_all(sample_path("report.html"));
    // The ledger has no title of its own: its page takes the input's name.
    const std::string ledger_page = read_all(sample_path("ledger.html"));
    auto ledger_named = [&](const std::string &name) {
        std::string page = ledger_page;
        const std::string from = "<title>ledger</title>";
        return page.replace(page.find(from), from.size(), "<title>" + name + "</title>");
    };
    const std::string ledger = ledger_named("report"), ledger_1 = ledger_named("report-1");
    auto renamed = [&](size_t input, const std::string &written, const std::string &wanted, size_t owner) {
        return "qrvex-export: renamed: " + inputs[input] + ": written to " + out(written) + " (" + out(wanted) +
               " is the output of " + inputs[owner] + ")";
    };
    struct Case {
        const char *name;
        std::string options;
        std::vector<std::pair<std::string, const std::string *>> outputs;  // path below out() and its content
        std::vector<std::string> renamed;                                  // summary lines
    } cases[] = {
        {"flat",
         "--jobs 2",
         {{"report.html", &report},
          {"report-1.html", &ledger},
          {"report-1-1.html", &ledger_1},
          {"report-2.html", &report}},
         {renamed(1, "report-1.html", "report.html", 0), renamed(2, "report-1-1.html", "report-1.html", 1),
          renamed(3, "report-2.html", "report.html", 0)}},
        {"mirrored",
         "--mirror --jobs 2",
         {{"a/report.html", &report},
          {"b/report.html", &ledger},
          {"b/c/report-1.html", &ledger_1},
          {"b/c/report.html", &report}},
         {}},
    };
    InFolder here(dir_ / "in");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(out());
        const ToolRun run = run_batch(c.options + " --quiet", inputs);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(lines_starting(run.err, "qrvex-export: renamed: "), c.renamed) << run.err;
        size_t files = 0;
        for (const auto &entry : fs::recursive_directory_iterator(out())) files += entry.is_regular_file();
        EXPECT_EQ(files, c.outputs.size());
        for (const auto &[path, content] : c.outputs) EXPECT_EQ(read_all(out(path)), *content) << path;
    }
}

TEST(BatchNames, MirroredFoldersStayBelowTheOutputDirectory) {
    struct Case {
        const char *input;
        const char *folder;
    } cases[] = {
        {"report.docx", ""},
        {"a/b/report.docx", "a/b"},
        {"./a//b/./report.docx", "a/b"},
        {"/data/x/report.docx", "data/x"},
        {"../x/report.docx", "x"},
        {"a/../../b/report.docx", "b"},
    };
    for (const auto &c : cases) EXPECT_EQ(qrv::tool::mirrored_folder(c.input), c.folder) << c.input;
}

TEST_F(Batch, EveryDocumentConvertedExitsZeroAndCreatesTheDirectory) {
    const std::vector<std::string> inputs = {sample_path("report.qrvt"), sample_path("ledger.qrvt")};
    const ToolRun run = run_batch("--jobs 8", inputs);  // more threads than documents
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "qrvex-export: 2 converted, 0 failed\n");
    EXPECT_EQ(read_all(out("report.html")), read_all(sample_path("report.html")));
    EXPECT_EQ(read_all(out("ledger.html")), read_all(sample_path("ledger.html")));
}

TEST_F(Batch, CommandLineMistakesGiveStatus2) {
    write_all(in("file"), "not a directory");
    const std::string doc = " '" + sample_path("report.qrvt") + "'";
    struct Case {
        std::string arguments;
        const char *message;
    } cases[] = {
        {"--jobs 0 --output-dir d" + doc, "--jobs needs a number from 1 to 256, not '0'"},
        {"--jobs 257 --output-dir d" + doc, "--jobs needs a number from 1 to 256"},
        {"--jobs two --output-dir d" + doc, "--jobs needs a number from 1 to 256, not 'two'"},
        {"--jobs -3 --output-dir d" + doc, "--jobs needs a number"},
        {"--jobs 4x --output-dir d" + doc, "--jobs needs a number"},
        {"--jobs 2" + doc, "--jobs needs --output-dir DIR"},
        {"--output-dir d", "--output-dir needs at least one input document"},
        {"--output-dir '' " + doc, "--output-dir needs a directory"},
        {"-o x.html --output-dir d" + doc, "--output and --output-dir cannot go together"},
        {"a.qrvt b.qrvt", "give --output-dir DIR to convert them all"},
        {"--mirror" + doc, "--mirror needs --output-dir DIR"},
        {"--output-dir '" + in("file") + "/sub'" + doc, "cannot make the output directory"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments);
        const ToolRun run = run_tool(c.arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_FALSE(fs::exists("d"));
    }
}

}  // namespace
