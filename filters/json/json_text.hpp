// JSON strings and the commas between the members of what is open, as a
// streamed JSON document writes them.
#pragma once

#include <string_view>
#include <vector>

#include "output.hpp"

namespace qrv::filters::json {

// "text" with its quotes, backslashes and control characters escaped.
void write_string(Output &out, std::string_view utf8);

// The arrays and objects open, innermost last: each knows whether its
// first member has been written, so the next one is preceded by a comma.
class Nesting {
public:
    explicit Nesting(Output &out) : out_(out) {}
    // Opens an array or object ('[' or '{') as the next member of an
    // array, or as the value of the member named key of an object.
    void open(char bracket);
    void open(std::string_view key, char bracket);
    // "key": as the next member of an object; its value follows.
    void key(std::string_view name);
    // Closes the innermost with ']' or '}'.
    void close(char bracket);
    // A comma unless the member that follows is the first.
    void member();
    size_t depth() const { return first_.size(); }

private:
    Output &out_;
    std::vector<bool> first_;
};

}  // namespace qrv::filters::json
