// Style sheets inside an export run, where the library numbers styles and
// rotates slots from an index it keeps for the run, against the same calls
// outside any run, where it searches the style table.
#include "style_doc.hpp"

#include <support/inside_export.hpp>

#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

using qrv::styletest::Doc;
using qrv::styletest::Sheet;

// Styles keyed 1..count, each based on an earlier style, a later one (so
// chains may loop), a style without definition, or none; some paragraph,
// some character and some list styles, with a few attributes each.
std::string random_styles(std::mt19937 &random, int count) {
    std::string records, definitions;
    const char *const kinds[] = {"0", "1", "1", "4"};
    for (int key = 1; key <= count; ++key) {
        std::string parent = "-1";
        switch (random() % 4) {
        case 0: parent = std::to_string(1 + random() % count); break;
        case 1:
        case 2:
            if (key > 1) parent = std::to_string(1 + random() % (key - 1));
            break;
        default: break;
        }
        if (random() % 10 == 0) parent = "999";
        const std::string label = "@r" + std::to_string(key);
        records += label + ": style-record kind=" + kinds[random() % 4] + " parent=" + parent + "\n";
        definitions += "begin STYLE_DEFINITION 0 " + label + " key=" + std::to_string(key) + "\n";
        if (random() % 2) definitions += "item FONT_SIZE " + std::to_string(10 + random() % 30) + "\n";
        if (random() % 2) definitions += "item ATTR_25 " + std::to_string(random() % 100) + "\n";
        if (random() % 3 == 0) definitions += "item OUTLINE_LEVEL " + std::to_string(random() % 9) + "\n";
        definitions += "end\n";
    }
    return records + definitions + "text \"x\"\n";
}

// Everything a load leaves behind: its result and index, the slot it
// handed out, the rotation and the table.
std::string load_step(CUStyleSheet *sheet, uint32_t style) {
    CUStyleSlot *slot = nullptr;
    uint32_t index = 0xFFFF;
    const uint32_t result = CULoadStyle(sheet, style, CH_NO_ITEM, &slot, &index);
    std::string step = std::to_string(result) + " " + std::to_string(index) + " " + std::to_string(sheet->NextSlot) +
                       " " + std::to_string(sheet->StyleCount) + ":";
    if (slot) step.append(reinterpret_cast<const char *>(slot), sizeof *slot);
    step.append(reinterpret_cast<const char *>(sheet->StyleTable), sheet->StyleCount * sizeof(CUStyleEntry));
    return step;
}

std::vector<std::string> load_trace(const Doc &doc, uint32_t slots, const std::vector<uint32_t> &loads) {
    std::vector<std::string> trace;
    const Sheet sheet(doc, slots);
    for (const uint32_t style : loads) trace.push_back(load_step(sheet.get(), style));
    return trace;
}

TEST(RunIndex, LoadsInsideAnExportRunLeaveWhatTheyLeaveOutside) {
    std::mt19937 random(36);
    for (int round = 0; round < 40; ++round) {
        const int count = 5 + static_cast<int>(random() % 60);
        const Doc doc(random_styles(random, count));
        const uint32_t slots = 1 + random() % 6;
        std::vector<uint32_t> loads(200);
        for (uint32_t &style : loads) style = 1 + random() % (count + 3);  // a few styles without definition
        const std::vector<std::string> outside = load_trace(doc, slots, loads);
        std::vector<std::string> inside;
        ASSERT_EQ(qrv::test::run_inside_export([&] { inside = load_trace(doc, slots, loads); }), 0u);
        ASSERT_EQ(inside.size(), outside.size());
        for (size_t step = 0; step < loads.size(); ++step)
            ASSERT_TRUE(inside[step] == outside[step]) << "round " << round << ", load " << step << " of style "
                                                       << loads[step] << " with " << slots << " slots";
    }
}

// A sheet made before the run has handed out slots the run's index never
// saw; one destroyed inside the run leaves no index behind for the next
// sheet at its address.
TEST(RunIndex, SheetsThatOutliveOrEndInsideTheRun) {
    std::mt19937 random(7);
    const Doc doc(random_styles(random, 30));
    std::vector<uint32_t> first(40), then(80);
    for (uint32_t &style : first) style = 1 + random() % 30;
    for (uint32_t &style : then) style = 1 + random() % 30;
    std::vector<uint32_t> all = first;
    all.insert(all.end(), then.begin(), then.end());
    const std::vector<std::string> expected = load_trace(doc, 3, all);

    const Sheet early(doc, 3);
    for (const uint32_t style : first) load_step(early.get(), style);
    std::vector<std::string> rest;
    ASSERT_EQ(qrv::test::run_inside_export([&] {
                  for (int sheet = 0; sheet < 3; ++sheet) load_trace(doc, 2, then);
                  for (const uint32_t style : then) rest.push_back(load_step(early.get(), style));
              }),
              0u);
    ASSERT_EQ(rest.size(), then.size());
    for (size_t step = 0; step < then.size(); ++step)
        ASSERT_TRUE(rest[step] == expected[first.size() + step]) << "load " << step;
}

}  // namespace
