// _qrvex: the four one-call conversions of libqrvconvert for Python, and the
// importers' names of formats.  Each conversion returns (code, message,
// output) and leaves turning a failure into an exception to the qrvex
// package; the interpreter's lock is let go for the conversion itself, so
// many threads convert at once.
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <qrvconvert.h>
#include <qrvim.h>

#include <optional>
#include <string>
#include <tuple>

namespace py = pybind11;

namespace {

using Result = std::tuple<int, std::string, py::object>;
using Text = std::optional<std::string>;

const char *c_text(const Text &text) { return text ? text->c_str() : nullptr; }

// How to convert, in the library's record; the strings stay in the caller's
// hands for the call's length.
struct Request {
    Text input_format;
    Text locale_file;
    Text title;

    QRVConvertOptions options() const {
        QRVConvertOptions o{};
        o.StructSize = sizeof o;
        o.InputFormat = c_text(input_format);
        o.LocaleFile = c_text(locale_file);
        o.TitleName = c_text(title);
        return o;
    }
};

// The bytes of any object with a contiguous buffer, held until released.
class Bytes {
public:
    explicit Bytes(const py::object &source) {
        if (PyObject_GetBuffer(source.ptr(), &view_, PyBUF_SIMPLE) != 0) throw py::error_already_set();
    }
    ~Bytes() { PyBuffer_Release(&view_); }
    Bytes(const Bytes &) = delete;
    Bytes &operator=(const Bytes &) = delete;

    const void *data() const { return view_.buf; }
    size_t size() const { return static_cast<size_t>(view_.len); }

private:
    Py_buffer view_{};
};

// A library-owned buffer, released whatever happens to the copy.
struct Output {
    char *data = nullptr;
    size_t length = 0;
    ~Output() { QRVConvertFree(data); }
};

struct Message {
    char text[1024] = "";
};

Result result_of(int code, const Message &message, py::object output) {
    return {code, std::string(message.text), code == QRVC_OK ? std::move(output) : py::none()};
}

Result file_to_memory(const std::string &input, const std::string &format, const Request &request) {
    const QRVConvertOptions options = request.options();
    Output out;
    Message message;
    int code;
    {
        py::gil_scoped_release unlocked;
        code = QRVConvertFileToMemory(input.c_str(), format.c_str(), &options, &out.data, &out.length, message.text,
                                      sizeof message.text);
    }
    return result_of(code, message, py::bytes(out.data ? out.data : "", out.length));
}

Result file_to_file(const std::string &input, const std::string &output, const std::string &format,
                    const Request &request) {
    const QRVConvertOptions options = request.options();
    Message message;
    int code;
    {
        py::gil_scoped_release unlocked;
        code = QRVConvertFileToFile(input.c_str(), output.c_str(), format.c_str(), &options, message.text,
                                    sizeof message.text);
    }
    return result_of(code, message, py::none());
}

Result memory_to_memory(const py::object &source, const Text &name, const std::string &format, const Request &request) {
    const Bytes input(source);
    const QRVConvertOptions options = request.options();
    Output out;
    Message message;
    int code;
    {
        py::gil_scoped_release unlocked;
        code = QRVConvertMemoryToMemory(input.data(), input.size(), c_text(name), format.c_str(), &options, &out.data,
                                        &out.length, message.text, sizeof message.text);
    }
    return result_of(code, message, py::bytes(out.data ? out.data : "", out.length));
}

Result memory_to_file(const py::object &source, const Text &name, const std::string &output, const std::string &format,
                      const Request &request) {
    const Bytes input(source);
    const QRVConvertOptions options = request.options();
    Message message;
    int code;
    {
        py::gil_scoped_release unlocked;
        code = QRVConvertMemoryToFile(input.data(), input.size(), c_text(name), output.c_str(), format.c_str(),
                                      &options, message.text, sizeof message.text);
    }
    return result_of(code, message, py::none());
}

Text name_of_format(uint32_t format) {
    const char *name = IMFormatName(format);
    return name ? Text(name) : std::nullopt;
}

// "docx" for the content of a DOCX file; None where it cannot be told.
Text detect_format(const py::object &source, const Text &name) {
    const Bytes input(source);
    uint32_t format;
    {
        py::gil_scoped_release unlocked;
        format = IMDetectFormat(input.data(), input.size(), c_text(name));
    }
    return format == IM_FORMAT_AUTO ? std::nullopt : name_of_format(format);
}

// "docx" for "DOCX" or another name of the format; None for no format read.
Text format_named(const std::string &name) { return name_of_format(IMFormatFromName(name.c_str())); }

void add_codes(py::module_ &m) {
    const std::pair<const char *, int> codes[] = {
        {"OK", QRVC_OK},
        {"ERR_ARGUMENT", QRVC_ERR_ARGUMENT},
        {"ERR_INPUT_FORMAT", QRVC_ERR_INPUT_FORMAT},
        {"ERR_OUTPUT_FORMAT", QRVC_ERR_OUTPUT_FORMAT},
        {"ERR_INPUT", QRVC_ERR_INPUT},
        {"ERR_LOCALE", QRVC_ERR_LOCALE},
        {"ERR_SETUP", QRVC_ERR_SETUP},
        {"ERR_OUTPUT", QRVC_ERR_OUTPUT},
        {"ERR_EXPORT", QRVC_ERR_EXPORT},
        {"ERR_MEMORY", QRVC_ERR_MEMORY},
        {"ERR_INTERNAL", QRVC_ERR_INTERNAL},
    };
    for (const auto &[name, code] : codes) m.attr(name) = code;
}

}  // namespace

PYBIND11_MODULE(_qrvex, m) {
    m.doc() = "The one-call conversions of libqrvconvert; use the qrvex package instead.";
    m.attr("__version__") = QRV_VERSION;
    add_codes(m);
    py::class_<Request>(m, "Request", "How to convert: the input's format, a locale file, a title.")
        .def(py::init<Text, Text, Text>(), py::arg("input_format") = py::none(), py::arg("locale_file") = py::none(),
             py::arg("title") = py::none());
    const char *returns = " Returns (code, message, output): output is the bytes written, or None.";
    m.def("file_to_memory", &file_to_memory, py::arg("input"), py::arg("format"), py::arg("request"),
          (std::string("Converts the file input into bytes.") + returns).c_str());
    m.def("file_to_file", &file_to_file, py::arg("input"), py::arg("output"), py::arg("format"), py::arg("request"),
          (std::string("Converts the file input into the file output.") + returns).c_str());
    m.def("memory_to_memory", &memory_to_memory, py::arg("source"), py::arg("name"), py::arg("format"),
          py::arg("request"), (std::string("Converts the bytes of source into bytes.") + returns).c_str());
    m.def("memory_to_file", &memory_to_file, py::arg("source"), py::arg("name"), py::arg("output"), py::arg("format"),
          py::arg("request"), (std::string("Converts the bytes of source into the file output.") + returns).c_str());
    m.def("detect_format", &detect_format, py::arg("source"), py::arg("name"),
          "The short name of the format of the bytes of source (and the name they go by), or None.");
    m.def("format_named", &format_named, py::arg("name"),
          "The short name of the input format a name stands for (any case), or None.");
}
