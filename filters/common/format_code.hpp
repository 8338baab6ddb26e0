// What a number format definition shows a value as, read back from its
// items: the kind of value (a number, a date, a time of day or both) and a
// spreadsheet format code that shows values the same way ("#,##0.00",
// "yyyy-mm-dd hh:mm", "0.0;[Red]-0.0").
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qrv::filters {

enum class ValueKind : uint8_t { Number, Date, Time, DateTime };

struct FormatDescription {
    std::string code;
    ValueKind kind = ValueKind::Number;
};

// The code of the general format, which has no definition.
inline constexpr std::string_view kGeneralCode = "General";

// Builds the description as the definition's items are read in order.  A
// definition of several sections holds its conditions first, then one cell
// tag per section; the section that no condition picks comes first in the
// code, as a spreadsheet writes it.
class FormatCodeBuilder {
public:
    void token(uint32_t token);
    void literal(std::u16string_view text);
    void colour(uint32_t rgb);
    // "value test comparand" picks section target; absolute: the section
    // shows the value without its sign.
    void condition(uint32_t test, bool absolute, uint32_t target, double comparand);
    void begin_section(uint32_t number);
    void end_section();

    FormatDescription finish();

private:
    struct Condition {
        uint32_t test = 0;
        bool absolute = false;
        uint32_t target = 0;
        double comparand = 0;
    };
    struct Section {
        uint32_t number = 0;
        std::string code;
        bool only_grouping = false;  // an empty section is written as one grouping token
    };
    Section &current();
    std::string prefix_of(const Section &section) const;
    bool sign_sections() const;
    ValueKind kind() const;
    std::vector<const Section *> picked_sections(const Section *fallback) const;
    std::string sectioned_code() const;
    void add(std::string_view code);

    std::vector<Condition> conditions_;
    std::vector<Section> sections_;  // sections_[0] holds what stands outside any cell tag
    size_t open_ = 0;                // index of the section being read
    bool escape_next_ = false;
    bool repeat_next_ = false;
    bool calendar_ = false;
    bool clock_ = false;
    bool general_ = false;
};

}  // namespace qrv::filters
