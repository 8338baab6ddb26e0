// The pieces a streamed page passes through: the fixed-buffer output, the
// spill that holds a body back (memory, then a scratch file), and a sheet's
// lines sized from the spill.  Each is checked against a plain string of
// what was written.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "output.hpp"
#include "sheet_grid.hpp"
#include "spill.hpp"

namespace {

using namespace qrv::filters;
using text::SheetGrid;
using text::width_of;

// Takes bytes until limit of them, then fails.
class FailingSink final : public ByteSink {
public:
    explicit FailingSink(size_t limit) : limit_(limit) {}
    std::string bytes;
    int refusals = 0;
    bool take(std::string_view more) override {
        if (bytes.size() + more.size() > limit_) return ++refusals, false;
        bytes += more;
        return true;
    }

private:
    size_t limit_;
};

// Random pieces around the buffer's size, single bytes and numbers.
std::string write_random(Output &out, uint32_t seed) {
    std::mt19937 rng(seed);
    std::string model;
    const size_t sizes[] = {0,
                            1,
                            7,
                            Output::kBufferBytes - 1,
                            Output::kBufferBytes,
                            Output::kBufferBytes + 1,
                            3 * Output::kBufferBytes + 5};
    for (int i = 0; i < 60; ++i) {
        switch (rng() % 3) {
        case 0: {
            std::string piece(sizes[rng() % std::size(sizes)], static_cast<char>('a' + rng() % 26));
            out.write(piece);
            model += piece;
            break;
        }
        case 1:
            out.put('\n');
            model += '\n';
            break;
        default: {
            const uint64_t n = rng() % 3 == 0 ? UINT64_MAX : rng();
            out.number(n);
            model += std::to_string(n);
        }
        }
        EXPECT_EQ(out.size(), model.size());
        EXPECT_EQ(out.last(), model.empty() ? '\0' : model.back());
    }
    return model;
}

TEST(Output, PassesOnExactlyWhatWasWrittenWhateverThePieces) {
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        StringSink sink;
        Output out(sink);
        const std::string model = write_random(out, seed);
        EXPECT_TRUE(out.flush());
        EXPECT_EQ(sink.bytes, model) << "seed " << seed;
    }
}

// A destination that stops taking bytes fails the output for good: what
// it took is a prefix of the page, and it is not asked again.
TEST(Output, AFailedHandOverFailsTheOutputOnce) {
    for (size_t limit : {size_t{0}, size_t{10}, Output::kBufferBytes, 5 * Output::kBufferBytes}) {
        FailingSink sink(limit);
        Output out(sink);
        const std::string model = write_random(out, 7);
        EXPECT_FALSE(out.flush());
        EXPECT_TRUE(out.failed());
        EXPECT_EQ(sink.refusals, 1) << limit;
        EXPECT_EQ(model.compare(0, sink.bytes.size(), sink.bytes), 0);
        out.write("more");
        EXPECT_FALSE(out.flush());
        EXPECT_EQ(sink.refusals, 1);
    }
}

std::string read_back(Spill &spill, size_t step) {
    std::string back;
    EXPECT_TRUE(spill.rewind());
    std::string chunk(step, '\0');
    while (size_t got = spill.read(chunk.data(), step)) back.append(chunk, 0, got);
    return back;
}

// Below its bound the spill keeps bytes in memory; past it, in a file.
TEST(Spill, GivesBackWhatItTookFromMemoryOrFile) {
    struct Case {
        size_t bound;
        size_t bytes;
        bool in_file;
    } cases[] = {
        {100, 0, false}, {100, 100, false},        {100, 101, true},
        {0, 1, true},    {1 << 20, 300000, false}, {4096, 300000, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "bound " << c.bound << ", bytes " << c.bytes);
        Spill spill(c.bound);
        std::string model;
        for (size_t i = 0; model.size() < c.bytes; ++i) {
            const std::string piece(std::min<size_t>(1 + i % 5000, c.bytes - model.size()), static_cast<char>(i));
            EXPECT_TRUE(spill.take(piece));
            model += piece;
        }
        EXPECT_EQ(spill.in_file(), c.in_file);
        for (size_t step : {size_t{1}, size_t{4093}, size_t{1} << 20}) EXPECT_EQ(read_back(spill, step), model);
        StringSink sink;
        Output out(sink);
        out.write("<");
        EXPECT_TRUE(spill.copy_to(out));
        out.flush();
        EXPECT_EQ(sink.bytes, "<" + model);
        spill.clear();
        EXPECT_FALSE(spill.in_file());
        EXPECT_EQ(read_back(spill, 10), "");
    }
}

struct GridCell {
    std::string text;
    bool right = false;
};
using Grid = std::vector<std::vector<GridCell>>;

std::string lines_of(const Grid &rows, size_t memory_bound) {
    SheetGrid grid(memory_bound);
    for (const auto &row : rows) {
        grid.begin_row();
        for (const auto &cell : row) grid.add_cell(cell.text, cell.right);
    }
    StringSink sink;
    Output out(sink);
    grid.write_lines(out);
    out.flush();
    EXPECT_FALSE(grid.failed());
    return sink.bytes;
}

// Columns as wide as their widest cell counting characters, numbers on
// the right, nothing for empty cells at a row's end or spaces at a line's
// end; the same from memory and from a scratch file.
TEST(SheetGrid, ColumnsAsWideAsTheirWidestCell) {
    struct Case {
        Grid rows;
        const char *lines;
    } cases[] = {
        {{}, ""},
        {{{}}, "\n"},
        {{{{"Item"}, {"Amount", true}}, {{"Caf\xC3\xA9"}, {"1,234.50", true}}, {{"Tax"}}},
         "Item |   Amount\nCaf\xC3\xA9 | 1,234.50\nTax\n"},
        {{{{"a"}, {""}, {""}}, {{""}, {"b"}}, {{"long text"}, {"", true}, {"x"}}},
         "a\n          | b\nlong text |   | x\n"},
        {{{{"(rows 3 to 9 empty)"}}, {{"1", true}, {"2", true}}}, "(rows 3 to 9 empty)\n                  1 | 2\n"},
        {{{{"trailing  "}}, {{"\xE2\x80\xA2"}, {"z"}}}, "trailing\n\xE2\x80\xA2          | z\n"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(lines_of(c.rows, Spill::kMemoryBound), c.lines);
        EXPECT_EQ(lines_of(c.rows, 0), c.lines);
    }
    EXPECT_EQ(width_of("\xE2\x80\xA2 x"), 3u);
}

// One grid serves sheet after sheet: widths start again with each.
TEST(SheetGrid, EachSheetHasItsOwnWidths) {
    SheetGrid grid(16);
    StringSink sink;
    Output out(sink);
    grid.add_cell("a long first sheet", false);
    grid.write_lines(out);
    grid.begin_row();
    grid.add_cell("b", false);
    grid.add_cell("c", false);
    grid.write_lines(out);
    out.flush();
    EXPECT_EQ(sink.bytes, "a long first sheet\nb | c\n");
}

}  // namespace
