// The chain of definitions a call formats by: the format of each taken
// from the cache, the default one or compiled, conditions followed from
// definition to definition, and the value formatted by the last.
#include "format/number/number_call.hpp"

#include "format/number/compile.hpp"
#include "format/number/condition_chain.hpp"
#include "format/number/format_code.hpp"
#include "format/number/format_view.hpp"
#include "format/number/intl.hpp"
#include "memory/cache/entries.hpp"

#include <qrvex/datavalue.h>

#include <cstring>

namespace qrv::numformat {
namespace {

using Call = NumberCall;

bool cache_holds_formats(const MUCache *cache) { return cache != nullptr && cache->DataSize >= sizeof(FUNumberFormat); }

// The movable block a format is compiled into when the caller keeps a cache;
// released when it goes out of scope (its contents live on in the cache).
class FormatBlock {
public:
    FormatBlock() = default;
    void allocate() {
        if (MUAllocateMemory(&handle_, &data_, sizeof(FUNumberFormat), &bytes_) != QRV_OK) handle_ = nullptr;
    }
    ~FormatBlock() { release(); }
    FormatBlock(const FormatBlock &) = delete;
    FormatBlock &operator=(const FormatBlock &) = delete;

    // The block's data sits 4 bytes past an aligned address: copied, not referenced.
    void store(const FUNumberFormat &format) {
        if (handle_ != nullptr) std::memcpy(data_, &format, sizeof format);
    }
    QRVHGLOBAL handle() const { return handle_; }
    void release() {
        if (handle_ != nullptr) MUFreeMemory(&handle_, &data_, &bytes_);
    }

private:
    QRVHGLOBAL handle_ = nullptr;
    void *data_ = nullptr;
    uint32_t bytes_ = 0;
};

uint32_t show_message(const Call &call, uint32_t id, uint32_t length) { return FUGetLOString(id, call.output, length); }

uint32_t format_with(const Call &call, const FormatView &format, double value);

// A step of a chain of conditions: the definition formatted and its value,
// the condition that holds there, and the definition and value it hands on.
struct Lead {
    uint32_t formatId = CH_NO_ITEM;
    double value = 0.0;
    uint32_t conditionId = CH_NO_ITEM;
    uint32_t targetId = CH_NO_ITEM;
    double targetValue = 0.0;
    // The same condition holding for the same value, bit for bit (a NaN is
    // the same as itself): the chain has come back.
    bool operator==(const Lead &other) const {
        return conditionId == other.conditionId && std::memcmp(&value, &other.value, sizeof value) == 0;
    }
};

// The format of one definition of a chain: taken from the cache, the default
// one, or compiled (into a block of its own when the caller keeps a cache;
// the block of a definition that leads on is released at the next one).
class ChainFormat {
public:
    explicit ChainFormat(const Call &call) : call_(call) {}

    // False when formatId's format is the one to show the value with; true,
    // with the lead, when a condition of the definition holds.
    bool leads_on(uint32_t formatId, double value, Lead &lead, bool followConditions = true);
    const FormatView &format() const { return view_; }

private:
    const Call &call_;
    FUNumberFormat format_;  // each path writes all it reads later
    FormatView view_{};      // format_, or a cached format where it lies
    FormatBlock block_;
};

// A format that needs no compiling: the default one, or one the cache
// holds.
bool ready_format(const Call &call, uint32_t formatId, FormatView &view) {
    if (formatId == CH_NO_ITEM) {
        view = default_format(call.pTextValue60 != nullptr ? *call.pTextValue60 : 0);
        return true;
    }
    if (!cache_holds_formats(call.cache)) return false;
    const void *cached = cache::retrieve(*call.cache, formatId);
    if (cached != nullptr) view = view_of_cached(cached);
    return cached != nullptr;
}

bool ChainFormat::leads_on(uint32_t formatId, double value, Lead &lead, bool followConditions) {
    block_.release();
    if (ready_format(call_, formatId, view_)) return false;
    const uint32_t textValue60 = call_.pTextValue60 != nullptr ? *call_.pTextValue60 : 0;
    format_.hBlock = nullptr;
    if (cache_holds_formats(call_.cache)) block_.allocate();
    format_.hBlock = block_.handle();
    const CompileOutcome outcome = compile_definition(call_.h, formatId, value, textValue60, followConditions, format_);
    if (outcome.kind == CompileOutcome::kRedirect) {
        lead = {formatId, value, outcome.conditionId, outcome.targetId, outcome.targetValue};
        return true;
    }
    block_.store(format_);
    view_ = view_of(format_);
    // Which definition applies to a value depends on its conditions, and a
    // cut-off definition may read fully next time: neither is kept.
    if (block_.handle() != nullptr && outcome.kind == CompileOutcome::kComplete && !outcome.hasConditions) {
        FUNumberFormat copy = format_;
        copy.hBlock = nullptr;
        uint32_t uncounted = 0;
        MUCacheAdd(&copy, formatId, call_.cache, &uncounted);
    }
    return false;
}

}  // namespace

// A condition that holds formats another definition instead, and that one's
// conditions may lead on again: the chain is followed to its end.  One that
// comes back formats the definition it came back to without its conditions.
uint32_t format_number(const Call &call, uint32_t formatId, double value) {
    FormatView ready;
    if (ready_format(call, formatId, ready)) return format_with(call, ready, value);  // no chain to follow
    ChainFormat chain(call);
    Lead first;
    if (!chain.leads_on(formatId, value, first)) return format_with(call, chain.format(), value);
    const ChainEnd<Lead> end = follow_chain(first, [&chain](const Lead &lead, Lead &following, Effects) {
        return chain.leads_on(lead.targetId, lead.targetValue, following);
    });
    if (!end.repeated) return format_with(call, chain.format(), end.lead.targetValue);
    Lead none;
    chain.leads_on(end.lead.formatId, end.lead.value, none, false);
    return format_with(call, chain.format(), end.lead.value);
}

namespace {

uint32_t format_with(const Call &call, const FormatView &format, double value) {
    const uint32_t flags = format.FormatFlags;
    if ((flags & FU_FORMAT_TEXT60) != 0 && call.pTextValue60 != nullptr) *call.pTextValue60 = format.textValue60;
    if ((flags & FU_FORMAT_TEXT25) != 0 && call.pTextValue25 != nullptr) *call.pTextValue25 = format.textValue25;
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    if ((bits >> 48) == 0xFFFF) return show_message(call, kNoValue, kMessageLength);

    const FUIntlSettings intl = read_intl_settings(call.hOptions);
    OutputText out(call.output, call.outputSize);
    uint32_t badDateLength = 0;
    const ValueRequest request{format, value,       call.dayBase, call.dateFlags, call.exponentOptions,
                               intl,   call.digits, call.walk};
    if (!format_value(request, out, badDateLength)) return show_message(call, kDateCannotBeShown, badDateLength);
    return out.finish();
}

}  // namespace
}  // namespace qrv::numformat
