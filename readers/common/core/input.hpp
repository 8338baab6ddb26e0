// The bytes of the file being imported and its name: a file read into
// memory, or a caller's buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qrv::import {

class Input {
public:
    // A caller's bytes; they must outlive the Input.
    Input(std::span<const uint8_t> bytes, std::string name) : bytes_(bytes), name_(std::move(name)) {}
    // Reads a file; throws ImportError(IM_ERR_READ) when it cannot be read.
    static Input open_file(const std::string &path);

    Input(Input &&other) noexcept;
    Input(const Input &) = delete;
    Input &operator=(const Input &) = delete;
    ~Input();

    std::span<const uint8_t> bytes() const { return bytes_; }
    std::string_view text() const { return {reinterpret_cast<const char *>(bytes_.data()), bytes_.size()}; }
    // The name the caller gave ("" for none), used in messages.
    const std::string &name() const { return name_; }
    // The extension of the name, lower case, without the dot ("xlsx").
    std::string extension() const;

private:
    Input() = default;

    std::span<const uint8_t> bytes_;
    std::string name_;
    std::vector<uint8_t> owned_;  // a file's bytes
};

}  // namespace qrv::import
