// Number format codes checked end to end: a document gets its definitions
// from NumberFormatTable, and values are shown through them as the filters
// show cells (FUFormatNumber with the spreadsheet day base, the 1900 date
// system, en-US conventions and a block cache of compiled formats).
#pragma once

#include <gtest/gtest.h>
#include <qrvda.h>
#include <qrvex/cache.h>
#include <qrvex/memory.h>
#include <qrvex/navigate.h>
#include <qrvex/numformat.h>

#include <optional>
#include <string>
#include <string_view>

#include "writer/document_writer.hpp"
#include "writer/utf16.hpp"
#include "numfmt/number_formats.hpp"

namespace qrv::test {

// What a cell shows: its text and the colour the format hands back, if any.
struct Shown {
    std::string text;
    std::optional<uint32_t> colour;
};

class FormatCheck {
public:
    static constexpr uint32_t kDayBase = 2415020;  // serial day 1 is 1 January 1900
    static constexpr uint32_t kDateFlags = 1;      // serial days count 29 February 1900

    FormatCheck() {
        EXPECT_EQ(DACreateOptions(&options_), 0u);
        MUInit(&memory_);
        MUCacheInit(16, 4, sizeof(FUNumberFormat), MU_CACHE_REPLACE_OLDEST, 0, &cache_, &memory_);
    }
    ~FormatCheck() {
        MUCacheDeinit(&cache_, &memory_);
        DADestroyOptions(options_);
    }
    FormatCheck(const FormatCheck &) = delete;
    FormatCheck &operator=(const FormatCheck &) = delete;

    import::NumberFormatTable &table(){return table_;
} CHHandle handle() const {
    return writer_.handle();
}

uint32_t key(std::string_view code) { return table_.key_of_code(code); }

// The value shown under the definition of key (0: the general format).
Shown show(uint32_t key, double value) {
    QRVWCHAR output[256] = {};
    QRVWCHAR work[264] = {};
    uint32_t text60 = 0;
    uint32_t text25 = kNoColour;
    const uint32_t length = FUFormatNumber(writer_.handle(), output, 256, definition(key), value, kDayBase, kDateFlags,
                                           0, &text60, &text25, &cache_, work, 0, options_);
    Shown shown{utf8(output, length), std::nullopt};
    if (text25 != kNoColour) shown.colour = text25;
    return shown;
}

Shown show(std::string_view code, double value) { return show(key(code), value); }

// The colour a text cell under key gets, if any.
std::optional<uint32_t> text_cell_colour(uint32_t key) {
    uint32_t text60 = 0;
    uint32_t text25 = kNoColour;
    EXPECT_EQ(FUFormatTextCell(writer_.handle(), definition(key), &text60, &text25), 0u);
    return text25 == kNoColour ? std::nullopt : std::optional<uint32_t>(text25);
}

// The first item of a key's definition, or -1 for the general format.
uint32_t definition(uint32_t key) const {
    if (key == 0) return CH_NO_ITEM;
    uint32_t begin = CH_NO_ITEM, end = CH_NO_ITEM;
    EXPECT_EQ(CUGetTagListChangeId(key, CH_TAG_NUMBER_FORMAT, 1, &begin, &end, writer_.handle()), 0u)
        << "no definition for key " << key;
    return begin;
}

static std::string utf8(const QRVWCHAR *text, uint32_t length) {
    std::string out;
    for (uint32_t i = 0; i < length; ++i) import::append_utf8(text[i], out);
    return out;
}

private:
static constexpr uint32_t kNoColour = 0xFFFFFFFFu;

import::DocumentWriter writer_{import::Limits{}};
import::NumberFormatTable table_{writer_};
uint32_t options_ = 0;
MUContext memory_{};
MUCache cache_{};
};  // namespace qrv::test

}  // namespace qrv::test
