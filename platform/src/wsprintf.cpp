// wsprintfA: the USER32 formatter.  Conversions %d %i %u %x %X %c %s %%,
// flags '-' '0' '#', width and precision (minimum digits for integers,
// maximum characters for %s), and the size prefixes 'l' and 'h'.  Every
// integer argument is a 32-bit int (a Windows long is 32 bits); 'h' keeps
// its low 16 bits.  No floating point, no '*'.  An unknown conversion is
// copied as it stands.  At most 1023 characters and the terminator are
// written; the result is the number of characters before the terminator.
#include <qrvplatform/platform.h>

#include <cstdarg>
#include <cstdint>
#include <cstring>

namespace {

constexpr size_t kLimit = 1024;

class Output {
public:
    explicit Output(char *buffer) : buffer_(buffer) {}
    void put(char c) {
        if (length_ + 1 < kLimit) buffer_[length_++] = c;
    }
    void repeat(char c, int n) {
        while (n-- > 0) put(c);
    }
    int finish() {
        buffer_[length_] = '\0';
        return static_cast<int>(length_);
    }

private:
    char *buffer_;
    size_t length_ = 0;
};

struct Conversion {
    bool left = false;
    bool zero = false;
    bool alternate = false;
    int width = 0;
    int precision = -1;
    char size = 0;  // 'l', 'h' or 0
    char conversion = 0;
};

int read_number(const char *&p) {
    int n = 0;
    while (*p >= '0' && *p <= '9' && n < 100000) n = n * 10 + (*p++ - '0');
    return n;
}

// Parses the conversion after '%'; p is left on the conversion character.
Conversion parse_conversion(const char *&p) {
    Conversion s;
    for (;; ++p) {
        if (*p == '-')
            s.left = true;
        else if (*p == '0')
            s.zero = true;
        else if (*p == '#')
            s.alternate = true;
        else
            break;
    }
    s.width = read_number(p);
    if (*p == '.') {
        ++p;
        s.precision = read_number(p);
    }
    if (*p == 'l' || *p == 'h') s.size = *p++;
    s.conversion = *p;
    return s;
}

void pad_field(Output &out, const Conversion &s, const char *prefix, const char *digits, int digit_count) {
    const int prefix_length = static_cast<int>(std::strlen(prefix));
    const int precision_zeros = s.precision > digit_count ? s.precision - digit_count : 0;
    const int body = prefix_length + precision_zeros + digit_count;
    const int fill = s.width > body ? s.width - body : 0;
    const bool zero_fill = s.zero && !s.left && s.precision < 0;
    if (!s.left && !zero_fill) out.repeat(' ', fill);
    for (const char *c = prefix; *c; ++c) out.put(*c);
    if (zero_fill) out.repeat('0', fill);
    out.repeat('0', precision_zeros);
    for (int i = 0; i < digit_count; ++i) out.put(digits[i]);
    if (s.left) out.repeat(' ', fill);
}

void format_integer(Output &out, const Conversion &s, int32_t arg) {
    const bool is_signed = s.conversion == 'd' || s.conversion == 'i';
    uint32_t magnitude;
    bool negative = false;
    if (s.size == 'h') arg = is_signed ? static_cast<int16_t>(arg) : static_cast<uint16_t>(arg);
    if (is_signed && arg < 0) {
        negative = true;
        magnitude = 0u - static_cast<uint32_t>(arg);
    } else {
        magnitude = static_cast<uint32_t>(arg);
    }
    const unsigned base = (s.conversion == 'x' || s.conversion == 'X') ? 16 : 10;
    const char *alphabet = s.conversion == 'X' ? "0123456789ABCDEF" : "0123456789abcdef";
    char reversed[16];
    int n = 0;
    // Precision 0 with the value 0 prints no digits, as in C.
    if (magnitude != 0 || s.precision != 0) {
        do {
            reversed[n++] = alphabet[magnitude % base];
            magnitude /= base;
        } while (magnitude);
    }
    char digits[16];
    for (int i = 0; i < n; ++i) digits[i] = reversed[n - 1 - i];
    const char *prefix = "";
    if (negative)
        prefix = "-";
    else if (s.alternate && base == 16 && arg != 0)
        prefix = s.conversion == 'X' ? "0X" : "0x";
    pad_field(out, s, prefix, digits, n);
}

void format_text(Output &out, Conversion s, const char *text, int length) {
    if (s.precision >= 0 && length > s.precision) length = s.precision;
    s.precision = -1;
    s.zero = false;
    pad_field(out, s, "", text, length);
}

}  // namespace

extern "C" int wsprintfA(char *buffer, const char *format, ...) {
    Output out(buffer);
    va_list args;
    va_start(args, format);
    for (const char *p = format; *p; ++p) {
        if (*p != '%') {
            out.put(*p);
            continue;
        }
        const char *start = p++;
        const Conversion s = parse_conversion(p);
        switch (s.conversion) {
        case 'd':
        case 'i':
        case 'u':
        case 'x':
        case 'X': format_integer(out, s, va_arg(args, int32_t)); break;
        case 'c': {
            const char c = static_cast<char>(va_arg(args, int));
            format_text(out, s, &c, 1);
            break;
        }
        case 's': {
            const char *text = va_arg(args, const char *);
            if (!text) text = "(null)";
            format_text(out, s, text, static_cast<int>(std::strlen(text)));
            break;
        }
        case '%': out.put('%'); break;
        default:
            // Not a conversion we know: copy it through unchanged.
            for (const char *c = start; c <= p && *c; ++c) out.put(*c);
            if (!*p) --p;
            break;
        }
    }
    va_end(args);
    return out.finish();
}
