// Output sinks: where a filter's FAWrite calls go.
#pragma once

#include <qrvfa.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

namespace qrv::fa {

// True for 0 (output is dropped) and for every live sink.
bool sink_exists(uint32_t hSink);

class Sink {
public:
    virtual ~Sink() = default;
    // FA_OK, FA_ERR_BAD_SINK once the sink has failed, FA_ERR_NO_MEMORY.
    virtual uint32_t write(const char *data, size_t length) = 0;
    virtual uint32_t flush() { return FA_OK; }
    // Flushes and lets go of where the output went (a file is closed):
    // false when that failed or the sink had failed before.
    virtual bool close() { return flush() == FA_OK; }
    // 0, or why the sink failed (FAGetSinkError).
    virtual uint32_t error() const { return 0; }
    // The bytes kept, for a memory sink; null for the others.
    virtual const std::string *kept() const { return nullptr; }
};

class MemorySink final : public Sink {
public:
    uint32_t write(const char *data, size_t length) override;
    const std::string *kept() const override { return &bytes_; }

private:
    std::string bytes_;
};

// A sink that passes its output on a buffer at a time; the first failure
// is kept and ends all passing on.
class PassingSink : public Sink {
public:
    PassingSink();
    uint32_t write(const char *data, size_t length) override;
    uint32_t flush() override;
    uint32_t error() const override { return error_; }

protected:
    // Passes bytes on: 0, or why they could not be.
    virtual uint32_t pass_on(const char *data, size_t length) = 0;

private:
    uint32_t pass(const char *data, size_t length);

    std::unique_ptr<char[]> buffer_;
    size_t held_ = 0;
    uint32_t error_ = 0;
};

class FileSink final : public PassingSink {
public:
    explicit FileSink(std::FILE *file) : file_(file) {}
    ~FileSink() override;
    bool close() override;

private:
    uint32_t pass_on(const char *data, size_t length) override;
    std::FILE *file_;
};

class CallbackSink final : public PassingSink {
public:
    CallbackSink(FASinkWriter writer, void *context) : writer_(writer), context_(context) {}

private:
    uint32_t pass_on(const char *data, size_t length) override { return writer_(context_, data, length); }
    FASinkWriter writer_;
    void *context_;
};

}  // namespace qrv::fa
