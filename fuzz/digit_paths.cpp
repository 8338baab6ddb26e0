// The number formatter's ways to a text against its reference, the full
// 255-digit expansion walked by the general walk: the short digit path
// under the general walk, and the fast walks (plain formats, general forms,
// date and time formats) over the short digits.  A format of random codes
// (tokens of every kind, literals), random conventions, options and output
// size, and a value of any bits; every way must write the same text.
//
// Input: byte 0 the options, bytes 1-8 the value, bytes 9-10 the decimal
// and thousands separators, byte 11 the output size (0: the whole 256),
// byte 12 the date order and the currency symbol, the rest the codes (two
// bytes each: a token 0x100 to 0x13F, or a literal character).
#include "digitpaths/format_paths.hpp"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

FUFormatCode code_of(uint8_t kind, uint8_t low) {
    if (kind & 0x80) return static_cast<FUFormatCode>(low);  // a literal character
    return qrv::test::tok(0x100u + (low & 0x3F));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 13) return 0;
    double value;
    std::memcpy(&value, data + 1, sizeof value);
    qrv::test::PathCall call;
    call.exponentOptions = data[0] & 0x3;
    call.dateFlags = (data[0] >> 2) & 1;
    call.dayBase = (data[0] & 0x08) ? 2415019 : 0;
    if (data[9] != 0) call.intl.DecimalSeparator = static_cast<char>(data[9]);
    if (data[10] != 0) call.intl.ThousandsSeparator = static_cast<char>(data[10]);
    if (data[11] != 0) call.outputSize = data[11];
    static const char kCurrencies[][8] = {"$", "", "1$", "EUR"};
    call.intl.DateOrder = data[12] & 0x3;
    std::memcpy(call.intl.CurrencySymbol, kCurrencies[(data[12] >> 2) & 0x3], sizeof call.intl.CurrencySymbol);
    std::vector<FUFormatCode> codes;
    for (size_t i = 13; i + 1 < size && codes.size() < FU_FORMAT_MAX_CODES; i += 2)
        codes.push_back(code_of(data[i], data[i + 1]));
    const FUNumberFormat format = qrv::test::compiled_format(codes.data(), static_cast<uint32_t>(codes.size()));
    using qrv::numformat::DigitPath;
    using qrv::numformat::WalkPath;
    const std::string full = qrv::test::format_on_path(format, value, call, DigitPath::kFull);
    const std::string shortDigits = qrv::test::format_on_path(format, value, call, DigitPath::kShort);
    const std::string fast = qrv::test::format_on_path(format, value, call, DigitPath::kShort, WalkPath::kFast);
    if (shortDigits != full || fast != full) {
        std::fprintf(stderr, "%s of %s: short digits \"%s\", fast walks \"%s\", full \"%s\"\n",
                     qrv::test::describe_codes(format).c_str(), qrv::test::describe(value).c_str(), shortDigits.c_str(),
                     fast.c_str(), full.c_str());
        std::abort();
    }
    return 0;
}
