// The codes of a workbook's built-in number format ids: the ids a workbook
// uses without writing their code.  Ids 5 to 8 and 27 to 36, 50 to 58
// depend on the language of the program that wrote the workbook; they take
// the codes of the US English one, and the East Asian date and time ids a
// plain date or time (see docs/number-formats.md).
#include "number_formats.hpp"

#include <algorithm>
#include <iterator>

namespace qrv::import {
namespace {

struct BuiltinFormat {
    uint32_t id;
    std::string_view code;
};

// Sorted by id.
constexpr BuiltinFormat kBuiltinFormats[] = {
    {0, "General"},
    {1, "0"},
    {2, "0.00"},
    {3, "#,##0"},
    {4, "#,##0.00"},
    {5, "$#,##0_);($#,##0)"},
    {6, "$#,##0_);[Red]($#,##0)"},
    {7, "$#,##0.00_);($#,##0.00)"},
    {8, "$#,##0.00_);[Red]($#,##0.00)"},
    {9, "0%"},
    {10, "0.00%"},
    {11, "0.00E+00"},
    {12, "# ?/?"},
    {13, "# \?\?/\?\?"},  // escaped: "??/" would be a trigraph
    {14, "m/d/yyyy"},
    {15, "d-mmm-yy"},
    {16, "d-mmm"},
    {17, "mmm-yy"},
    {18, "h:mm AM/PM"},
    {19, "h:mm:ss AM/PM"},
    {20, "h:mm"},
    {21, "h:mm:ss"},
    {22, "m/d/yyyy h:mm"},
    {27, "m/d/yyyy"},
    {28, "m/d/yyyy"},
    {29, "m/d/yyyy"},
    {30, "m/d/yy"},
    {31, "m/d/yyyy"},
    {32, "h:mm"},
    {33, "h:mm:ss"},
    {36, "m/d/yyyy"},
    {37, "#,##0 ;(#,##0)"},
    {38, "#,##0 ;[Red](#,##0)"},
    {39, "#,##0.00;(#,##0.00)"},
    {40, "#,##0.00;[Red](#,##0.00)"},
    {41, R"(_(* #,##0_);_(* \(#,##0\);_(* "-"_);_(@_))"},
    {42, R"(_("$"* #,##0_);_("$"* \(#,##0\);_("$"* "-"_);_(@_))"},
    {43, R"(_(* #,##0.00_);_(* \(#,##0.00\);_(* "-"??_);_(@_))"},
    {44, R"(_("$"* #,##0.00_);_("$"* \(#,##0.00\);_("$"* "-"??_);_(@_))"},
    {45, "mm:ss"},
    {46, "[h]:mm:ss"},
    {47, "mm:ss.0"},
    {48, "##0.0E+0"},
    {49, "@"},
    {50, "m/d/yyyy"},
    {51, "m/d/yyyy"},
    {52, "m/d/yyyy"},
    {53, "m/d/yyyy"},
    {54, "m/d/yyyy"},
    {55, "m/d/yyyy"},
    {56, "m/d/yyyy"},
    {57, "m/d/yyyy"},
    {58, "m/d/yyyy"},
};

static_assert(std::is_sorted(std::begin(kBuiltinFormats), std::end(kBuiltinFormats),
                             [](const BuiltinFormat &a, const BuiltinFormat &b) { return a.id < b.id; }));

}  // namespace

std::string_view builtin_format_code(uint32_t id) {
    const auto it = std::lower_bound(std::begin(kBuiltinFormats), std::end(kBuiltinFormats), id,
                                     [](const BuiltinFormat &f, uint32_t wanted) { return f.id < wanted; });
    return it != std::end(kBuiltinFormats) && it->id == id ? it->code : std::string_view{};
}

}  // namespace qrv::import
