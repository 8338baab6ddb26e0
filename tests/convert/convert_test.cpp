// One-call conversion through the C interface: every route (file or bytes
// in, file or buffer out) gives the page the tool's golden files hold,
// failures are one-line messages naming the part, and conversions on many
// threads at once give the same bytes.
#include <gtest/gtest.h>
#include <qrvconvert.h>

#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;

const std::string kSamples = std::string(QRV_SOURCE_DIR) + "/samples/";

std::string read_file(const fs::path &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

// A folder of its own for the files a test writes, removed afterwards.
class ConvertTest : public ::testing::Test {
protected:
    fs::path dir_;
    void SetUp() override {
        const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() / ("qrvconvert-" + std::string(info->name()) + "-" +
                                            std::to_string(static_cast<long>(getpid())));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
};

struct Converted {
    int rc = -1;
    std::string bytes;
    std::string message;
};

enum class Route { file_to_memory, file_to_file, memory_to_memory, memory_to_file };

const char *route_name(Route r) {
    switch (r) {
    case Route::file_to_memory: return "file to memory";
    case Route::file_to_file: return "file to file";
    case Route::memory_to_memory: return "memory to memory";
    case Route::memory_to_file: return "memory to file";
    }
    return "?";
}

Converted take_buffer(int rc, char *data, size_t length, const char *message) {
    Converted c{rc, data ? std::string(data, length) : std::string(), message};
    if (rc != QRVC_OK) {
        EXPECT_EQ(data, nullptr) << "a failed conversion handed out a buffer";
    }
    QRVConvertFree(data);
    return c;
}

// Converts the sample by one route; the file routes write into dir.
Converted convert(Route route, const std::string &input, const std::string &format, const fs::path &dir,
                  const QRVConvertOptions *options = nullptr) {
    char message[512] = "unset";
    char *data = nullptr;
    size_t length = 0;
    const std::string output = (dir / "out").string();
    const std::string bytes = read_file(input);
    Converted c;
    switch (route) {
    case Route::file_to_memory:
        c.rc = QRVConvertFileToMemory(input.c_str(), format.c_str(), options, &data, &length, message, sizeof message);
        return take_buffer(c.rc, data, length, message);
    case Route::memory_to_memory:
        c.rc = QRVConvertMemoryToMemory(bytes.data(), bytes.size(), fs::path(input).filename().string().c_str(),
                                        format.c_str(), options, &data, &length, message, sizeof message);
        return take_buffer(c.rc, data, length, message);
    case Route::file_to_file:
        c.rc = QRVConvertFileToFile(input.c_str(), output.c_str(), format.c_str(), options, message, sizeof message);
        break;
    case Route::memory_to_file:
        c.rc = QRVConvertMemoryToFile(bytes.data(), bytes.size(), nullptr, output.c_str(), format.c_str(), options,
                                      message, sizeof message);
        break;
    }
    c.message = message;
    c.bytes = read_file(output);
    fs::remove(output);
    return c;
}

constexpr Route kRoutes[] = {Route::file_to_memory, Route::file_to_file, Route::memory_to_memory,
                             Route::memory_to_file};

QRVConvertOptions options_titled(const char *title) {
    QRVConvertOptions o{};
    o.StructSize = sizeof o;
    o.TitleName = title;
    return o;
}

TEST_F(ConvertTest, EveryRouteGivesTheGoldenPage) {
    struct Case {
        const char *sample, *format, *golden;
    } cases[] = {
        {"report.qrvt", "html", "report.html"},         {"report.qrvt", "text", "report.txt"},
        {"report.qrvt", "markdown", "report.md"},       {"handbook.qrvt", "html", "handbook.html"},
        {"ledger.qrvt", "MARKDOWN", "ledger.md"},       {"ledger.qrvt", "text", "ledger.txt"},
    };
    for (const Case &c : cases) {
        // Bytes have no file name to give the page its title; the options do.
        const std::string title = fs::path(c.sample).stem().string();
        const QRVConvertOptions titled = options_titled(title.c_str());
        const std::string golden = read_file(kSamples + c.golden);
        for (Route route : kRoutes) {
            SCOPED_TRACE(std::string(c.sample) + " as " + c.format + ", " + route_name(route));
            const Converted out = convert(route, kSamples + c.sample, c.format, dir_, &titled);
            ASSERT_EQ(out.rc, QRVC_OK) << out.message;
            EXPECT_EQ(out.message, "");
            EXPECT_EQ(out.bytes, golden);
        }
    }
}

TEST_F(ConvertTest, EveryOutputFormatFromAnOfficeFile) {
    struct Case {
        const char *sample, *format, *starts;
    } cases[] = {
        {"report.docx", "html", "<!DOCTYPE html>"}, {"report.docx", "text", "Quarterly Report\n"},
        {"report.docx", "markdown", "# **Quarterly Report**"}, {"report.docx", "csv", "Region,Q1,Q2\r\n"},
        {"report.docx", "json", "{\"format\":\"qrvex-document\""}, {"budget.xlsx", "csv", "Item,Jan,Feb,Total\r\n"},
        {"budget.xlsx", "html", "<!DOCTYPE html>"},
    };
    for (const Case &c : cases) {
        const std::string title = fs::path(c.sample).stem().string();
        const QRVConvertOptions titled = options_titled(title.c_str());
        std::string first;
        for (Route route : kRoutes) {
            SCOPED_TRACE(std::string(c.sample) + " as " + c.format + ", " + route_name(route));
            const Converted out = convert(route, kSamples + c.sample, c.format, dir_, &titled);
            ASSERT_EQ(out.rc, QRVC_OK) << out.message;
            EXPECT_EQ(out.bytes.rfind(c.starts, 0), 0u) << out.bytes.substr(0, 80);
            if (first.empty()) first = out.bytes;
            EXPECT_EQ(out.bytes, first) << "the routes disagree";
        }
    }
}

TEST_F(ConvertTest, TheTitleComesFromTheFileNameUnlessGiven) {
    const fs::path input = dir_ / "quarter-figures.qrvt";
    fs::copy_file(kSamples + "ledger.qrvt", input);
    const QRVConvertOptions titled = options_titled("Given title");
    struct Case {
        const QRVConvertOptions *options;
        const char *title;
    } cases[] = {{nullptr, "<title>quarter-figures</title>"}, {&titled, "<title>Given title</title>"}};
    for (const Case &c : cases) {
        const Converted out = convert(Route::file_to_memory, input.string(), "html", dir_, c.options);
        ASSERT_EQ(out.rc, QRVC_OK) << out.message;
        EXPECT_NE(out.bytes.find(c.title), std::string::npos) << c.title;
    }
}

// Calls that must fail, each with its code and a message naming what failed.
TEST_F(ConvertTest, FailuresAreOneLineNamingThePart) {
    const fs::path broken = dir_ / "broken.docx";
    std::ofstream(broken, std::ios::binary) << "PK\x03\x04 this is no package";
    const std::string bad_locale = (dir_ / "bad.locale").string();
    std::ofstream(bad_locale) << "decimal=,\nno equals sign here\n";
    QRVConvertOptions with_locale{};
    with_locale.StructSize = sizeof with_locale;
    with_locale.LocaleFile = "/nonexistent/en.locale";
    QRVConvertOptions with_bad_locale = with_locale;
    with_bad_locale.LocaleFile = bad_locale.c_str();
    QRVConvertOptions too_small = with_locale;
    too_small.StructSize = 4;
    QRVConvertOptions unknown_input = with_locale;
    unknown_input.LocaleFile = nullptr;
    unknown_input.InputFormat = "wordperfect";
    const std::string report = kSamples + "report.docx";
    struct Case {
        const char *what;
        std::string input, format;
        const QRVConvertOptions *options;
        int rc;
        std::string names;
    } cases[] = {
        {"a broken package", broken.string(), "html", nullptr, QRVC_ERR_INPUT, "broken.docx"},
        {"a missing file", (dir_ / "absent.docx").string(), "html", nullptr, QRVC_ERR_INPUT, "absent.docx"},
        {"an unknown output", report, "pdf", nullptr, QRVC_ERR_OUTPUT_FORMAT, "'pdf'"},
        {"the tool's items", report, "items", nullptr, QRVC_ERR_OUTPUT_FORMAT, "html, text, markdown, csv or json"},
        {"an unknown input format", report, "html", &unknown_input, QRVC_ERR_INPUT_FORMAT, "'wordperfect'"},
        {"a missing locale file", report, "html", &with_locale, QRVC_ERR_LOCALE, "/nonexistent/en.locale"},
        {"a locale file with a mistake", report, "html", &with_bad_locale, QRVC_ERR_LOCALE, "line 2"},
        {"an old options struct", report, "html", &too_small, QRVC_ERR_ARGUMENT, "StructSize"},
    };
    for (const Case &c : cases) {
        for (Route route : {Route::file_to_memory, Route::file_to_file}) {
            SCOPED_TRACE(std::string(c.what) + ", " + route_name(route));
            const Converted out = convert(route, c.input, c.format, dir_, c.options);
            EXPECT_EQ(out.rc, c.rc) << out.message;
            EXPECT_NE(out.message.find(c.names), std::string::npos) << out.message;
            EXPECT_EQ(out.message.find('\n'), std::string::npos) << out.message;
            EXPECT_FALSE(fs::exists(dir_ / "out")) << "a failed conversion left its output";
        }
    }
}

TEST_F(ConvertTest, NullArgumentsAreRefused) {
    char message[256];
    char *data = reinterpret_cast<char *>(1);
    size_t length = 7;
    const std::string out = (dir_ / "out.html").string();
    const char *report = "report.docx";
    struct Case {
        const char *what;
        int rc;
    } cases[] = {
        {"no input", QRVConvertFileToFile(nullptr, out.c_str(), "html", nullptr, message, sizeof message)},
        {"no output", QRVConvertFileToFile(report, nullptr, "html", nullptr, message, sizeof message)},
        {"no format", QRVConvertFileToFile(report, out.c_str(), nullptr, nullptr, message, sizeof message)},
        {"no buffer", QRVConvertFileToMemory(report, "html", nullptr, nullptr, &length, message, sizeof message)},
        {"no bytes", QRVConvertMemoryToMemory(nullptr, 5, nullptr, "html", nullptr, &data, &length, nullptr, 0)},
    };
    for (const Case &c : cases) EXPECT_EQ(c.rc, QRVC_ERR_ARGUMENT) << c.what;
    EXPECT_EQ(data, nullptr);
    EXPECT_EQ(length, 0u);
}

TEST_F(ConvertTest, AMessageIsCutToTheCallersBuffer) {
    char message[12];
    std::memset(message, 'x', sizeof message);
    EXPECT_EQ(QRVConvertFileToFile("absent.docx", "out.html", "html", nullptr, message, sizeof message),
              QRVC_ERR_INPUT);
    EXPECT_EQ(std::strlen(message), sizeof message - 1);
}

TEST_F(ConvertTest, ABrokenBufferNamesItsName) {
    const std::string junk = "PK\x03\x04 not a package";
    char message[512];
    char *data = nullptr;
    size_t length = 0;
    EXPECT_EQ(QRVConvertMemoryToMemory(junk.data(), junk.size(), "upload.docx", "html", nullptr, &data, &length,
                                       message, sizeof message),
              QRVC_ERR_INPUT);
    EXPECT_NE(std::string(message).find("upload.docx"), std::string::npos) << message;
    EXPECT_EQ(data, nullptr);
}

TEST_F(ConvertTest, EightThreadsAtOnceGiveTheSameBytes) {
    struct Job {
        const char *sample, *format;
    } jobs[] = {{"report.docx", "html"}, {"budget.xlsx", "csv"}, {"report.docx", "json"}, {"handbook.qrvt", "markdown"}};
    for (const Job &job : jobs) {
        SCOPED_TRACE(std::string(job.sample) + " as " + job.format);
        const std::string input = kSamples + job.sample;
        const Converted alone = convert(Route::file_to_memory, input, job.format, dir_);
        ASSERT_EQ(alone.rc, QRVC_OK) << alone.message;
        std::vector<Converted> results(8);
        std::vector<std::thread> threads;
        for (size_t i = 0; i < results.size(); ++i)
            threads.emplace_back([&, i] {
                const Route route = i % 2 ? Route::file_to_memory : Route::memory_to_memory;
                const std::string title = fs::path(job.sample).stem().string();
                const QRVConvertOptions titled = options_titled(title.c_str());
                results[i] = convert(route, input, job.format, dir_ / std::to_string(i), &titled);
            });
        for (std::thread &t : threads) t.join();
        for (const Converted &r : results) {
            EXPECT_EQ(r.rc, QRVC_OK) << r.message;
            EXPECT_EQ(r.bytes, alone.bytes);
        }
    }
}

}  // namespace
