#include "shared_strings.hpp"

#include "rich_text.hpp"

namespace qrv::import::xlsx {
namespace {

class SharedStringsReader final : public XmlHandler {
public:
    SharedStringsReader(TextStore &texts, Fonts &fonts, std::vector<uint32_t> &out)
        : texts_(texts), fonts_(fonts), out_(out) {}

    void start(const XmlName &name, const XmlAttributes &a) override {
        if (name.is(Ns::Spreadsheet, "si"))
            in_string_ = true;
        else if (in_string_)
            text_.start(name, a);
    }
    void end(const XmlName &name) override {
        if (name.is(Ns::Spreadsheet, "si")) {
            out_.push_back(text_.finish(texts_, fonts_));
            in_string_ = false;
        } else if (in_string_) {
            text_.end(name);
        }
    }
    void text(std::string_view chars) override {
        if (in_string_) text_.text(chars);
    }

private:
    TextStore &texts_;
    Fonts &fonts_;
    std::vector<uint32_t> &out_;
    RichTextReader text_;
    bool in_string_ = false;
};

}  // namespace

std::vector<uint32_t> read_shared_strings(Package &package, const std::string &part, TextStore &texts, Fonts &fonts) {
    std::vector<uint32_t> strings;
    if (part.empty() || !package.has(part)) return strings;
    SharedStringsReader reader(texts, fonts, strings);
    package.read(part, reader);
    return strings;
}

}  // namespace qrv::import::xlsx
