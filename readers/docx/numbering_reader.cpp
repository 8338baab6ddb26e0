#include "numbering_reader.hpp"

#include <map>

#include "textdoc/symbol_fonts.hpp"

#include "package/optional_part.hpp"

namespace qrv::import::docx {
namespace {

using textdoc::ListLevel;
using textdoc::NumberKind;

constexpr std::pair<std::string_view, NumberKind> kNumberKinds[] = {
    {"decimal", NumberKind::Decimal},         {"decimalZero", NumberKind::DecimalZero},
    {"upperLetter", NumberKind::UpperLetter}, {"lowerLetter", NumberKind::LowerLetter},
    {"upperRoman", NumberKind::UpperRoman},   {"lowerRoman", NumberKind::LowerRoman},
    {"bullet", NumberKind::Bullet},           {"none", NumberKind::None},
};

// Every other numbering (ordinals, numbers in words, numbers of other
// scripts) shows as decimal.
NumberKind number_kind_of(std::string_view format) {
    for (const auto &[word, kind] : kNumberKinds)
        if (word == format) return kind;
    return NumberKind::Decimal;
}

// The levels a list has when its definition leaves some out.
ListLevel default_level(size_t index) {
    ListLevel level;
    level.text = "%" + std::to_string(index + 1) + ".";
    return level;
}

// A level as w:lvl states it, with the font its bullet is drawn in.
struct LevelDefinition {
    ListLevel level;
    std::string font;
};

struct Abstract {
    std::map<unsigned, LevelDefinition> levels;
    std::string style_link;  // w:numStyleLink: the levels are those of that numbering style's list
};

struct Instance {
    std::string abstract;
    std::map<unsigned, LevelDefinition> overrides;
    std::map<unsigned, int32_t> starts;
};

// Bullets drawn in a symbol font become the characters they show.
std::string shown_text(const LevelDefinition &d, size_t index) {
    if (d.level.kind != NumberKind::Bullet) return d.level.text;
    return textdoc::shown_bullet(d.level.text, d.font, index);
}

class NumberingReader final : public XmlHandler {
public:
    NumberingReader(const ThemeFonts &theme, Diagnostics &diagnostics) : props_(theme), diagnostics_(diagnostics) {}

    void start(const XmlName &name, const XmlAttributes &a) override {
        if (props_.active()) return props_.start(name, a);
        ++depth_;
        if (skip_from_ || name.ns != Ns::Wordprocessing) return skip();
        const std::string_view e = name.local;
        if (e == "abstractNum") {
            abstract_ = &abstracts_[std::string(a.get(Ns::Wordprocessing, "abstractNumId"))];
            instance_ = nullptr;
        } else if (e == "num") {
            instance_ = &instances_[std::string(a.get(Ns::Wordprocessing, "numId"))];
            abstract_ = nullptr;
        } else if (e == "abstractNumId" && instance_) {
            instance_->abstract = val(a);
        } else if (e == "numStyleLink" && abstract_) {
            abstract_->style_link = val(a);
        } else if (e == "lvlOverride" && instance_) {
            override_level_ = level_index(a);
        } else if (e == "startOverride" && instance_ && override_level_) {
            instance_->starts[*override_level_] = integer_of(val(a), 1);
        } else if (e == "lvl") {
            begin_level(a);
        } else if (level_) {
            level_property(name, a);
        }
    }

    void end(const XmlName &name) override {
        if (props_.active() && !props_.end()) return;
        if (skip_from_ && depth_ == skip_from_) skip_from_ = 0;
        --depth_;
        if (name.is(Ns::Wordprocessing, "lvl") && level_)
            finish_level();
        else if (name.is(Ns::Wordprocessing, "lvlOverride"))
            override_level_.reset();
    }

    // One list definition a numbering instance.
    void add_lists(const NumberingStyles &styles, textdoc::TextDocument &doc) {
        for (auto &[id, instance] : instances_) {
            const Abstract *abstract = resolve(instance.abstract, styles);
            textdoc::ListDefinition list;
            const size_t count = abstract && !abstract->levels.empty() ? abstract->levels.rbegin()->first + 1 : 1;
            for (size_t i = 0; i < std::max<size_t>(count, 9) && i < textdoc::kMaxListLevels; ++i)
                list.levels.push_back(level_of(abstract, instance, static_cast<unsigned>(i)));
            // Instances of one abstract definition continue each other's
            // numbers unless one restarts them.
            if (instance.starts.empty() && abstract) list.counter = "abstract " + instance.abstract;
            doc.add_list(id, std::move(list));
        }
    }

private:
    void skip() {
        if (!skip_from_) skip_from_ = depth_;
    }

    std::optional<unsigned> level_index(const XmlAttributes &a) {
        const int32_t index = integer_of(a.get(Ns::Wordprocessing, "ilvl"), -1);
        if (index >= 0 && static_cast<size_t>(index) < textdoc::kMaxListLevels) return static_cast<unsigned>(index);
        if (!warned_deep_)
            diagnostics_.warn("list levels beyond " + std::to_string(textdoc::kMaxListLevels) + " are left out");
        warned_deep_ = true;
        return std::nullopt;
    }

    void begin_level(const XmlAttributes &a) {
        const auto index = override_level_ ? override_level_ : level_index(a);
        if (!index || (!abstract_ && !instance_)) return skip();
        level_index_ = *index;
        level_ = LevelDefinition{default_level(*index), {}};
        para_ = {};
        run_ = {};
    }

    void level_property(const XmlName &name, const XmlAttributes &a) {
        const std::string_view e = name.local;
        ListLevel &level = level_->level;
        if (e == "start")
            level.start = integer_of(val(a), 1);
        else if (e == "numFmt")
            level.kind = number_kind_of(val(a));
        else if (e == "lvlText")
            level.text = val(a);
        else if (e == "isLgl")
            level.legal = on_off(a);
        else if (e == "pPr")
            props_.begin(para_);
        else if (e == "rPr")
            props_.begin(run_);
        else
            skip();
    }

    void finish_level() {
        level_->level.paragraph = para_.format;
        level_->font = run_.format.font.value_or("");
        auto &levels = instance_ ? instance_->overrides : abstract_->levels;
        levels[level_index_] = std::move(*level_);
        level_.reset();
    }

    // The abstract definition an instance names, following numbering
    // style links a few steps at most.
    const Abstract *resolve(const std::string &id, const NumberingStyles &styles) const {
        std::string current = id;
        for (int step = 0; step < 8; ++step) {
            auto found = abstracts_.find(current);
            if (found == abstracts_.end()) return nullptr;
            const Abstract &a = found->second;
            if (a.style_link.empty() || !a.levels.empty()) return &a;
            auto style = styles.find(a.style_link);
            if (style == styles.end()) return &a;
            auto instance = instances_.find(style->second);
            if (instance == instances_.end()) return &a;
            current = instance->second.abstract;
        }
        return nullptr;
    }

    ListLevel level_of(const Abstract *abstract, const Instance &instance, unsigned index) const {
        LevelDefinition shown{default_level(index), {}};
        if (abstract)
            if (auto found = abstract->levels.find(index); found != abstract->levels.end()) shown = found->second;
        if (auto found = instance.overrides.find(index); found != instance.overrides.end()) shown = found->second;
        ListLevel level = shown.level;
        level.text = shown_text(shown, index);
        if (auto start = instance.starts.find(index); start != instance.starts.end()) level.start = start->second;
        return level;
    }

    PropertyReader props_;
    Diagnostics &diagnostics_;
    std::map<std::string, Abstract> abstracts_;
    std::map<std::string, Instance> instances_;
    Abstract *abstract_ = nullptr;
    Instance *instance_ = nullptr;
    std::optional<unsigned> override_level_;
    std::optional<LevelDefinition> level_;
    unsigned level_index_ = 0;
    ParagraphProperties para_;
    RunProperties run_;
    size_t depth_ = 0, skip_from_ = 0;
    bool warned_deep_ = false;
};

}  // namespace

void read_numbering(Package &package, const std::string &part, const ThemeFonts &theme, const NumberingStyles &styles,
                    textdoc::TextDocument &doc) {
    NumberingReader reader(theme, package.diagnostics());
    read_optional_part(package, part, reader, "the lists are");
    reader.add_lists(styles, doc);
}

}  // namespace qrv::import::docx
