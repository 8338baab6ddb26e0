// Sinks that pass their output on as it comes: to a file or to the host's
// writer, through a buffer of FA_SINK_BUFFER_BYTES.
#include <cerrno>
#include <cstring>
#include <new>

#include "sinks.hpp"

namespace qrv::fa {

uint32_t MemorySink::write(const char *data, size_t length) {
    try {
        bytes_.append(data, length);
    } catch (const std::bad_alloc &) {
        return FA_ERR_NO_MEMORY;
    }
    return FA_OK;
}

PassingSink::PassingSink() : buffer_(new char[FA_SINK_BUFFER_BYTES]) {}

uint32_t PassingSink::pass(const char *data, size_t length) {
    if (error_) return FA_ERR_BAD_SINK;
    if (length == 0) return FA_OK;
    error_ = pass_on(data, length);
    return error_ ? FA_ERR_BAD_SINK : FA_OK;
}

uint32_t PassingSink::write(const char *data, size_t length) {
    if (error_) return FA_ERR_BAD_SINK;
    if (held_ + length <= FA_SINK_BUFFER_BYTES) {
        if (length) std::memcpy(buffer_.get() + held_, data, length);
        held_ += length;
        return held_ == FA_SINK_BUFFER_BYTES ? flush() : uint32_t{FA_OK};
    }
    // Fill the buffer up, pass it on, then pass whole buffers' worth
    // straight on and keep the rest.
    const size_t fill = FA_SINK_BUFFER_BYTES - held_;
    std::memcpy(buffer_.get() + held_, data, fill);
    held_ = FA_SINK_BUFFER_BYTES;
    if (uint32_t rc = flush()) return rc;
    data += fill;
    length -= fill;
    const size_t whole = length - length % FA_SINK_BUFFER_BYTES;
    if (uint32_t rc = pass(data, whole)) return rc;
    std::memcpy(buffer_.get(), data + whole, length - whole);
    held_ = length - whole;
    return FA_OK;
}

uint32_t PassingSink::flush() {
    const size_t held = held_;
    held_ = 0;
    return pass(buffer_.get(), held);
}

FileSink::~FileSink() { close(); }

bool FileSink::close() {
    if (!file_) return true;
    const bool flushed = flush() == FA_OK;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    return flushed && closed;
}

uint32_t FileSink::pass_on(const char *data, size_t length) {
    errno = 0;
    if (std::fwrite(data, 1, length, file_) == length) return 0;
    return errno ? static_cast<uint32_t>(errno) : static_cast<uint32_t>(EIO);
}

}  // namespace qrv::fa
