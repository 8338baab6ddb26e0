// The number formatters with definitions grown in the document (tokens,
// text runs, text values, conditions with their comparands and targets),
// single format items, date and time elements, random values and random
// conventions.  Outputs and work areas are exact-sized heap blocks, so a
// write past the sizes the callers are promised is seen; each result must be
// the length of a terminated text within the output.
//
// Input: the document (see random_document.hpp), the conventions, then a
// sequence of calls.
#include "random_document.hpp"

#include <qrvda.h>
#include <qrvex/cache.h>
#include <qrvex/datetime.h>
#include <qrvex/numformat.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

using qrv::fuzz::RandomDocument;
using qrv::fuzz::Vocabulary;

const uint32_t kItemTypes[] = {7, 7, 24, 24, 24, 24, 25, 60, 128, 224, 67, 68, 0, 8};
const uint32_t kTagCodes[] = {CH_TAG_NUMBER_FORMAT, CH_TAG_NUMBER_FORMAT, CH_TAG_SS_CELL};
const uint32_t kSpecials[] = {0x100, 0x101, 0x102, 0x103, 0x104, 0x105, 0x106, 0x107, 0x108, 0x109, 0x10A, 0x10B, 0x10C,
                              0x10D, 0x120, 0x121, 0x122, 0x123, 0x124, 0x125, 0x126, 0x127, 0x128, 0x129, 0x12A, 0x12B,
                              0x12C, 0x12D, 0x12E, 0x12F, 0x130, 0x131, 0x132, 0x133, 0x134, 0x135, 0x13A, 0x13B, 0x41};
const Vocabulary kWords{kItemTypes, kTagCodes, kSpecials, 64};

constexpr uint32_t kOutputChars = 256, kWorkChars = 264, kDateTimeChars = 80, kWork35Bytes = 512;

[[noreturn]] void fail(const char *what, uint32_t result) {
    std::fprintf(stderr, "%s (result %u)\n", what, result);
    std::abort();
}

double value_of(FuzzedDataProvider &in) {
    switch (in.ConsumeIntegralInRange<int>(0, 3)) {
    case 0: {
        const uint64_t bits = in.ConsumeIntegral<uint64_t>();
        double v;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }
    case 1: return double(in.ConsumeIntegralInRange<int32_t>(-100000, 3000000));
    case 2: return in.ConsumeFloatingPointInRange<double>(-1e6, 1e6);
    default:
        return in.PickValueInArray(
            {0.0, -0.0, 0.5, 0.999, 1e25, -1e-25, 2415079.0, 2415080.5, 4026531841.0, 1.0 / 3.0, 99999.99995, 1e300});
    }
}

// An option set with random conventions; the strings may lack terminators.
class Conventions {
public:
    explicit Conventions(FuzzedDataProvider &in) {
        DACreateOptions(&handle_);
        FUIntlSettings settings{};
        uint32_t size = sizeof settings;
        DAGetOption(handle_, DA_OPTION_INTL_SETTINGS, &settings, &size);
        if (in.ConsumeBool()) {
            const auto bytes = in.ConsumeBytes<uint8_t>(sizeof settings);
            if (!bytes.empty()) std::memcpy(&settings, bytes.data(), bytes.size());
        }
        DASetOption(handle_, DA_OPTION_INTL_SETTINGS, &settings, sizeof settings);
        if (in.ConsumeBool()) {
            const uint32_t flags = in.ConsumeIntegral<uint32_t>();
            DASetOption(handle_, DA_OPTION_DATE_FLAGS, &flags, sizeof flags);
        }
    }
    ~Conventions() { DADestroyOptions(handle_); }
    Conventions(const Conventions &) = delete;
    Conventions &operator=(const Conventions &) = delete;
    uint32_t handle() const { return handle_; }

private:
    uint32_t handle_ = 0;
};

template <typename Char>
void expect_text(const Char *text, uint32_t length, uint32_t room, const char *who) {
    if (length >= room) fail(who, length);
    if (text[length] != 0) fail("the text does not end at its length", length);
}

struct Formatter {
    FuzzedDataProvider &in;
    RandomDocument &doc;
    uint32_t options;
    MUCache *cache;

    uint32_t format_id() { return in.ConsumeIntegralInRange<int>(0, 7) == 0 ? CH_NO_ITEM : doc.item_id(); }

    void number() {
        std::unique_ptr<QRVWCHAR[]> output(new QRVWCHAR[kOutputChars]), work(new QRVWCHAR[kWorkChars]);
        const uint32_t size = in.ConsumeBool() ? kOutputChars : in.ConsumeIntegralInRange<uint32_t>(1, kOutputChars);
        uint32_t text60 = in.ConsumeIntegral<uint32_t>(), text25 = 0;
        const uint32_t id = format_id();
        const double value = value_of(in);
        const uint32_t day_base = in.ConsumeBool() ? 2415019u : in.ConsumeIntegral<uint32_t>();
        const uint32_t length =
            FUFormatNumber(doc.handle(), output.get(), size, id, value, day_base,
                           in.ConsumeIntegralInRange<uint32_t>(0, 3), in.ConsumeIntegralInRange<uint32_t>(0, 3),
                           &text60, &text25, in.ConsumeBool() ? cache : nullptr, work.get(), 0, options);
        expect_text(output.get(), length, kOutputChars, "FUFormatNumber: longer than its output");
    }

    void number35() {
        std::unique_ptr<QRVWCHAR[]> output(new QRVWCHAR[kOutputChars]);
        std::unique_ptr<uint8_t[]> work(new uint8_t[kWork35Bytes]);
        uint32_t colour = 0;
        const uint32_t id = doc.item_id();
        const double value = value_of(in);
        const uint32_t length = FUFormatNumber35(doc.handle(), output.get(), id, value, in.ConsumeIntegral<uint32_t>(),
                                                 in.ConsumeIntegralInRange<uint32_t>(0, 3),
                                                 in.ConsumeBool() ? &colour : nullptr, work.get(), options);
        expect_text(output.get(), length, kOutputChars, "FUFormatNumber35: longer than its output");
    }

    void date_time() {
        std::unique_ptr<QRVWCHAR[]> output(new QRVWCHAR[kDateTimeChars]);
        std::memset(output.get(), 0xEE, kDateTimeChars * sizeof(QRVWCHAR));
        const double value = value_of(in);
        const uint32_t kind = in.ConsumeIntegralInRange<uint32_t>(4, 8);
        const uint32_t flags = in.ConsumeIntegral<uint32_t>(),
                       positions = in.ConsumeIntegralInRange<uint32_t>(0, 0x7FFF);
        const uint32_t day_base = in.ConsumeBool() ? 2415019u : in.ConsumeIntegral<uint32_t>();
        const double scale = in.ConsumeBool() ? 1.0 : value_of(in);
        FUFormatDateTime(output.get(), value, kind, flags, positions, day_base,
                         in.ConsumeIntegralInRange<uint32_t>(0, 3), scale, options);
        uint32_t length = 0;
        while (length < kDateTimeChars && output[length]) ++length;
        expect_text(output.get(), length, kDateTimeChars, "FUFormatDateTime: no terminator within its output");
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzedDataProvider in(data, size);
    RandomDocument doc(in, kWords);
    if (!doc.handle()) return 0;
    Conventions conventions(in);
    MUContext context{};
    MUInit(&context);
    MUCache cache{};
    MUCacheInit(uint16_t(in.ConsumeIntegralInRange<uint32_t>(1, 4)), 2, sizeof(FUNumberFormat),
                in.ConsumeBool() ? MU_CACHE_REPLACE_OLDEST : 0, 0, &cache, &context);
    Formatter f{in, doc, conventions.handle(), &cache};
    for (int call = 0; call < 16 && in.remaining_bytes() > 0; ++call) {
        switch (in.ConsumeIntegralInRange<int>(0, 3)) {
        case 0:
        case 1: f.number(); break;
        case 2: f.number35(); break;
        default: f.date_time(); break;
        }
    }
    MUCacheDeinit(&cache, &context);
    uint32_t locked = 0;
    CHLockedRangeCount(doc.handle(), &locked);
    if (locked != 0) fail("an item range was left locked", locked);
    return 0;
}
