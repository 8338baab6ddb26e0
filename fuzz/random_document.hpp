// A chunker document grown from fuzz input through the chunker's builder:
// items, tags with and without tag-list keys, tables, sections, cell runs,
// data values, fonts and raw records in the side stores.  Every id an append
// hands back goes into a pool, so later items point at real offsets, records
// and items far more often than chance would give.
//
// The harnesses decide which item types, tag codes and special characters
// the document is made of (a Vocabulary); the rest is shared.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>
#include <qrvch.h>
#include <qrvex/styles.h>

#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

namespace qrv::fuzz {

struct Vocabulary {
    std::span<const uint32_t> item_types;
    std::span<const uint32_t> tag_codes;
    std::span<const uint32_t> specials;  // values of type-24 items
    size_t max_steps;
};

// Values that items and records are made of: small numbers, ids seen so
// far, codes of the vocabulary, or any 32-bit word.
class Values {
public:
    Values(FuzzedDataProvider &in, const Vocabulary &words) : in_(in), words_(words) {}

    void remember(uint32_t id) {
        if (pool_.size() < 256) pool_.push_back(id);
    }
    uint32_t any() {
        switch (in_.ConsumeIntegralInRange<int>(0, 7)) {
        case 0:
        case 1: return in_.ConsumeIntegralInRange<uint32_t>(0, 15);
        case 2:
        case 3: return remembered();
        case 4: return CH_NO_ITEM;
        case 5: return pick(words_.tag_codes);
        case 6: return remembered() + in_.ConsumeIntegralInRange<uint32_t>(0, 3);
        default: return in_.ConsumeIntegral<uint32_t>();
        }
    }
    uint32_t remembered() {
        if (pool_.empty()) return 0;
        return pool_[in_.ConsumeIntegralInRange<size_t>(0, pool_.size() - 1)];
    }
    uint32_t pick(std::span<const uint32_t> table) {
        if (table.empty()) return in_.ConsumeIntegral<uint32_t>();
        return table[in_.ConsumeIntegralInRange<size_t>(0, table.size() - 1)];
    }
    const Vocabulary &words() const { return words_; }

private:
    FuzzedDataProvider &in_;
    const Vocabulary &words_;
    std::vector<uint32_t> pool_;
};

class RandomDocument {
public:
    RandomDocument(FuzzedDataProvider &in, const Vocabulary &words) : in_(in), values_(in, words) {
        const uint32_t chunk_size =
            in.ConsumeBool() ? in.ConsumeIntegralInRange<uint32_t>(1, 8) : CH_DEFAULT_CHUNK_SIZE;
        if (CHNewDocument(chunk_size, &h_) != 0) return;
        const size_t steps = in.ConsumeIntegralInRange<size_t>(0, words.max_steps);
        for (size_t i = 0; i < steps && in.remaining_bytes() > 0; ++i) step();
        uint32_t count = 0;
        CHGetItemCount(h_, CH_STORE_ITEMS, &count);
        for (uint32_t index = 0; index < count; ++index) {
            uint32_t id = CH_NO_ITEM;
            if (CHGetItemId(h_, CH_STORE_ITEMS, index, &id) == 0) items_.push_back(id);
        }
    }
    ~RandomDocument() {
        if (h_) CHCloseDocument(h_);
    }
    RandomDocument(const RandomDocument &) = delete;
    RandomDocument &operator=(const RandomDocument &) = delete;

    CHHandle handle() const { return h_; }
    const std::vector<uint32_t> &items() const { return items_; }
    Values &values() { return values_; }

    // An item id of the document most of the time, else any value.
    uint32_t item_id() {
        if (items_.empty() || in_.ConsumeIntegralInRange<int>(0, 7) == 0) return values_.any();
        return items_[in_.ConsumeIntegralInRange<size_t>(0, items_.size() - 1)];
    }

private:
    void added(uint32_t rc, uint32_t id) {
        if (rc == 0) values_.remember(id);
    }

    std::vector<QRVWCHAR> chars() {
        std::vector<QRVWCHAR> c(in_.ConsumeIntegralInRange<size_t>(0, 12));
        static const char kAlphabet[] = "heading 1Title/aZ9 ,.-";
        for (auto &unit : c)
            unit = in_.ConsumeBool() ? QRVWCHAR(kAlphabet[in_.ConsumeIntegralInRange<size_t>(0, sizeof kAlphabet - 2)])
                                     : in_.ConsumeIntegral<QRVWCHAR>();
        return c;
    }

    void raw_item() {
        CHItem item{values_.pick(values_.words().item_types), values_.any(), values_.any(), values_.any()};
        if (item.type == CH_ITEM_SPECIAL_CHAR && in_.ConsumeBool()) item.value = values_.pick(values_.words().specials);
        if (item.type == CH_ITEM_BREAK && in_.ConsumeBool()) item.value = in_.PickValueInArray({1u, 2u, 19u, 20u, 22u});
        uint32_t id = 0;
        added(CHAppendItem(h_, &item, &id), id);
    }

    void tag_begin() {
        uint32_t tag = values_.pick(values_.words().tag_codes);
        if (in_.ConsumeIntegralInRange<int>(0, 7) == 0)
            tag |= in_.PickValueInArray({CH_TAG_SKIPPABLE_BIT, CH_TAG_WALK_SKIP_BIT});
        const bool keyed = in_.ConsumeBool();
        const uint32_t key = in_.ConsumeBool() ? in_.ConsumeIntegralInRange<uint32_t>(0, 7) : values_.any();
        const uint32_t data1 = values_.any(), data2 = values_.any();
        uint32_t id = 0;
        added(CHAppendTagBegin(h_, tag, data1, data2, keyed, key, &id), id);
    }

    // A record of store 3 that some item points at: a style record, a list
    // level record, or loose words.
    std::vector<uint32_t> style_data_words() {
        switch (in_.ConsumeIntegralInRange<int>(0, 3)) {
        case 0: {
            CUStyleRecord r{0,
                            0,
                            in_.PickValueInArray({0u, 1u, 4u, 2u}),
                            in_.ConsumeIntegralInRange<uint32_t>(0, 12),
                            values_.remembered(),
                            in_.ConsumeBool() ? CH_NO_ITEM : values_.any(),
                            0};
            return words_of(r);
        }
        case 1: {
            CUListLevelRecord r{};
            r.BulletChar = in_.ConsumeIntegral<uint16_t>();
            r.CounterWord = values_.any();
            r.DefinitionKey = in_.ConsumeIntegralInRange<uint32_t>(0, 7);
            r.Numbering = in_.ConsumeBool() ? CU_LIST_NUMBERING_BULLET : values_.any();
            return words_of(r);
        }
        default: {
            std::vector<uint32_t> w(in_.ConsumeIntegralInRange<size_t>(1, 26));
            for (auto &word : w) word = values_.any();
            return w;
        }
        }
    }

    template <typename Record>
    static std::vector<uint32_t> words_of(const Record &r) {
        std::vector<uint32_t> w(sizeof r / 4);
        std::memcpy(w.data(), &r, sizeof r);
        return w;
    }

    void store_data() {
        const CHStore store = in_.PickValueInArray<CHStore>({3, 3, 3, 7, 10, 11, 12, 14, 15, 16, 17, 1, 2, 9});
        std::vector<uint32_t> w;
        if (store == CH_STORE_STYLE_DATA) {
            w = style_data_words();
        } else {
            w.resize(in_.ConsumeIntegralInRange<size_t>(1, store == CH_STORE_TEXT_FRAMES ? 10 : 5));
            for (auto &word : w) word = values_.any();
        }
        uint32_t id = 0;
        added(CHAppendStoreData(h_, store, w.data(), uint32_t(w.size() * 4), &id), id);
    }

    void step() {
        uint32_t id = 0, rc = 0;
        switch (in_.ConsumeIntegralInRange<int>(0, 15)) {
        case 0:
        case 1:
        case 2:
        case 3: raw_item(); return;
        case 4: {
            const auto c = chars();
            rc = CHAppendText(h_, c.data(), uint32_t(c.size()), &id);
            break;
        }
        case 5: {
            const auto c = chars();
            rc = CHAppendString(h_, c.data(), uint32_t(c.size()), values_.any(), &id);
            break;
        }
        case 6: tag_begin(); return;
        case 7: rc = CHAppendTagEnd(h_, in_.ConsumeBool() ? CH_INNERMOST_TAG : values_.any(), &id); break;
        case 8: rc = in_.ConsumeBool() ? CHAppendTableBegin(h_, &id) : CHAppendTableEnd(h_, &id); break;
        case 9: rc = CHAppendSection(h_, in_.ConsumeIntegralInRange<uint32_t>(0, 3), &id); break;
        case 10: rc = CHAppendCellRun(h_, in_.ConsumeBool() ? CH_COUNT_CELLS : values_.any(), &id); break;
        case 11: {
            const auto bytes = in_.ConsumeBytes<uint8_t>(in_.ConsumeIntegralInRange<size_t>(0, 16));
            const uint32_t multiplier =
                in_.ConsumeBool() ? in_.ConsumeIntegralInRange<uint32_t>(319, 330) : values_.any();
            rc = CHAppendDataValue(h_, bytes.data(), uint32_t(bytes.size()),
                                   in_.ConsumeIntegralInRange<uint32_t>(0, 16), multiplier, &id);
            break;
        }
        case 12: {
            const auto name = chars();
            rc = CHAppendFont(h_, in_.ConsumeIntegralInRange<uint32_t>(0, 7), values_.any(), name.data(),
                              uint32_t(name.size()), values_.any(), &id);
            break;
        }
        case 13:
        case 14: store_data(); return;
        default:
            // Rarely: a store cut short, so that items point past its end.
            if (in_.ConsumeIntegralInRange<int>(0, 3) == 0)
                CHTruncateStore(h_, in_.PickValueInArray<CHStore>({2, 3, 9, 12, 16, 17}), values_.any() % 64);
            else
                raw_item();
            return;
        }
        added(rc, id);
    }

    FuzzedDataProvider &in_;
    Values values_;
    CHHandle h_ = 0;
    std::vector<uint32_t> items_;
};

}  // namespace qrv::fuzz
