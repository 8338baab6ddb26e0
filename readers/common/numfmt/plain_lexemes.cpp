#include <qrvex/numformat.h>

#include "section_mapping.hpp"

namespace qrv::import::numfmt {

bool map_plain_lexeme(const Lexeme &lexeme, Section &section, CodeReport &report) {
    switch (lexeme.kind) {
    case LexemeKind::kLiteral: section.add_text(lexeme.text); return true;
    case LexemeKind::kBlank: section.add_text(" "); return true;
    case LexemeKind::kFill: report.approximate("a fill (*x) writes nothing"); return true;
    case LexemeKind::kGeneral: section.add_token(FU_TOKEN_GENERAL); return true;
    default: return false;
    }
}

bool is_date_code(const Lexeme &lexeme) {
    switch (lexeme.kind) {
    case LexemeKind::kDesignator: return true;
    case LexemeKind::kBracket: return true;  // only elapsed time is left among the brackets
    case LexemeKind::kDateCode: return lexeme.letter != 'e' && lexeme.letter != 'g';
    default: return false;
    }
}

}  // namespace qrv::import::numfmt
