#include "output_sink.hpp"

#include <qrvfa.h>

#include <cerrno>
#include <cstring>

namespace qrv::convert {

Outcome output_failure(const std::string &output_name, int error) {
    const std::string reason = error ? std::string(": ") + std::strerror(error) : std::string();
    return failure(Part::output, output_name + ": cannot write the output" + reason);
}

Outcome sink_failure(const std::string &output_name, uint32_t sink) {
    uint32_t error = 0;
    FAGetSinkError(sink, &error);
    return output_failure(output_name, static_cast<int>(error));
}

Outcome open_file_output(Conversion &c, const std::string &path) {
    errno = 0;
    if (!c.file.open(path) || FACreateFileSink(c.file.path().c_str(), &c.sink) != 0)
        return output_failure(path, errno);
    return {};
}

Outcome open_memory_output(Conversion &c) {
    if (FACreateMemorySink(&c.sink) != 0) return failure(Part::memory, "cannot make the output buffer");
    return {};
}

Outcome close_sink(Conversion &c, const std::string &output_name) {
    if (FAFlushSink(c.sink) != 0) return sink_failure(output_name, c.sink);
    errno = 0;
    const uint32_t closed = FADestroySink(c.sink);
    c.sink = 0;
    if (closed != 0) return output_failure(output_name, errno);
    return {};
}

Outcome close_file_output(Conversion &c) {
    const std::string target = c.file.target();
    if (Outcome o = close_sink(c, target); o.failed()) return o;
    errno = 0;
    if (!c.file.commit()) return output_failure(target, errno);
    return {};
}

}  // namespace qrv::convert
