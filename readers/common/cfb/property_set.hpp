// The summary information stream of an Office compound file: a property
// set whose first section holds the title, subject, author, keywords,
// comments and last author as strings (8-bit in the set's code page, or
// UTF-16).  Only those strings are read; a set cut short gives what it
// holds before the cut.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace qrv::import {

enum class SummaryField : uint32_t { Title = 2, Subject = 3, Author = 4, Keywords = 5, Comments = 6, LastAuthor = 8 };

// The string properties of the stream's first section, as UTF-8, in the
// order they are listed.
std::vector<std::pair<SummaryField, std::string>> summary_strings(std::span<const uint8_t> stream);

// The stream's name in the compound file's directory.
inline constexpr char kSummaryStream[] = "\x05SummaryInformation";

}  // namespace qrv::import
