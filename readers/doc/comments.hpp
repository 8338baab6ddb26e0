// Comments: a table of the references' character positions in the main
// text, each with its author's initials and index among the authors' names;
// a table of where each comment's text lies in the comments' story; and
// the authors' names, one after the other.
#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "writer/diagnostics.hpp"
#include "fib.hpp"
#include "stories.hpp"

namespace qrv::import::doc {

struct Comment {
    std::string author;  // the name, else the initials
    StoryRange text;
};

class Comments {
public:
    // Tables beyond the stream, or that go back, leave the comments out
    // with a warning.
    Comments(std::span<const uint8_t> table, const Fib &fib, Diagnostics &diagnostics);

    // The comment whose reference is at position cp, or null.
    const Comment *at(uint32_t cp) const;

private:
    std::map<uint32_t, Comment> comments_;
};

// The names of a table of 16-bit lengths each followed by its UTF-16
// characters; a name cut short ends the table.
std::vector<std::string> read_names(std::span<const uint8_t> names);

}  // namespace qrv::import::doc
