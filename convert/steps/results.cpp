#include "results.hpp"

#include <qrvch.h>
#include <qrvda.h>

#include <cstdio>

namespace qrv::convert {
namespace {

struct Meaning {
    uint32_t code;
    const char *text;
};

// The library's own codes, the filter-access results as EXOpenExport,
// EXRunExport and EXCloseExport hand them back, and the toolkit's codes
// that pass through unchanged.
constexpr Meaning kMeanings[] = {
    {2, "the document is not open"},
    {3, "no filter for this output format"},
    {4, "the output cannot be written"},
    {7, "the filter failed"},
    {9, "a table without rows"},
    {13, "no memory to be had"},
    {15, "a record or argument of the wrong kind or range"},
    {18, "a missing or inconsistent record"},
    {21, "the export was cancelled"},
    {25, "a style's definition cannot be read"},
    {37, "not found, a null record, or a refused operation"},
    {46, "an output buffer too small"},
    {50, "no callback function"},
    {1577, "a counter level holds no value at that position"},
    {CH_ERR_BAD_HANDLE, "no open document has this handle"},
    {CH_ERR_BAD_STORE, "the document has no such store"},
    {CH_ERR_NO_ITEM, "an item the document points at does not exist"},
    {CH_ERR_RANGE, "a range runs past the end of its store"},
    {CH_ERR_NOT_LOCKED, "an unlock that matches no lock"},
    {CH_ERR_INJECTED, "an injected chunker fault"},
    {CH_ERR_NO_MEMORY, "the chunker has no memory"},
    {CH_ERR_LOCKED, "the document is locked"},
    {CH_ERR_BAD_ARG, "a chunker argument out of range"},
    {CH_ERR_SYNTAX, "the document text has a mistake"},
    {CH_ERR_FULL, "the document has too many items"},
    {DA_ERR_BAD_HANDLE, "an unknown data-access handle"},
    {DA_ERR_NO_MEMORY, "the data-access library has no memory"},
    {DA_ERR_BAD_OPTION, "an unknown option"},
    {DA_ERR_TOO_SMALL, "an option buffer too small"},
    {DA_ERR_REFUSED, "the document was refused"},
};

}  // namespace

std::string describe_result(uint32_t code) {
    const char *text = "an error of the filter or the toolkit";
    for (const auto &m : kMeanings)
        if (m.code == code) text = m.text;
    char line[160];
    std::snprintf(line, sizeof line, "code %u (%s)", code, text);
    return line;
}

}  // namespace qrv::convert
