#include "fib.hpp"

#include "cfb/little_endian.hpp"
#include "core/error.hpp"

namespace qrv::import::doc {
namespace {

constexpr uint16_t kMark = 0xA5EC;
constexpr size_t kBaseSize = 32;

// Offsets of the fixed block's fields.
constexpr size_t kVersion = 2, kLanguage = 6, kFlags = 10, kCharacterSet = 20, kTextStart = 24;
// Flag bits.
constexpr uint16_t kComplex = 0x0004, kEncrypted = 0x0100, kTableOne = 0x0200;
constexpr uint16_t kMacCharacters = 256;
// Word 6 and 95: the story lengths, then the pairs, at fixed places; the
// pairs keep the later order up to the comments' authors and bookmarks.
constexpr size_t kWord6Stories = 0x34, kWord6Pairs = 0x58, kWord6PairCount = 38;
// The story lengths follow the long integers' count; the first story is the
// fourth long integer.
constexpr size_t kFirstStoryLong = 3;

uint16_t at16(std::span<const uint8_t> s, size_t at) { return at + 2 <= s.size() ? le16(s.data() + at) : 0; }
uint32_t at32(std::span<const uint8_t> s, size_t at) { return at + 4 <= s.size() ? le32(s.data() + at) : 0; }

Fib read_word6_rest(std::span<const uint8_t> stream, Fib fib) {
    for (size_t i = 0; i < kStories; ++i) fib.story_length[i] = at32(stream, kWord6Stories + i * 4);
    if (kWord6Pairs > stream.size()) broken("the Word document's header is cut short");
    fib.pairs = stream.subspan(kWord6Pairs, std::min(kWord6PairCount * 8, stream.size() - kWord6Pairs));
    return fib;
}

}  // namespace

Span Fib::table(Table which) const {
    const size_t at = size_t{static_cast<uint32_t>(which)} * 8;
    if (at + 8 > pairs.size()) return {};
    return {le32(pairs.data() + at), le32(pairs.data() + at + 4)};
}

uint32_t Fib::story_start(Story story) const {
    uint64_t start = 0;
    for (size_t i = 0; i < static_cast<size_t>(story); ++i) start += story_length[i];
    return static_cast<uint32_t>(std::min<uint64_t>(start, 0xFFFFFFFFu));
}

Fib read_fib(std::span<const uint8_t> stream) {
    if (stream.size() < kBaseSize || le16(stream.data()) != kMark)
        broken("the WordDocument stream does not start with a Word document's header");
    Fib fib;
    fib.version = le16(stream.data() + kVersion);
    const uint16_t flags = le16(stream.data() + kFlags);
    fib.encrypted = flags & kEncrypted;
    fib.table_one = flags & kTableOne;
    fib.language = le16(stream.data() + kLanguage);
    fib.complex = flags & kComplex;
    fib.mac_characters = le16(stream.data() + kCharacterSet) == kMacCharacters;
    fib.text_start = le32(stream.data() + kTextStart);
    if (fib.word6()) return read_word6_rest(stream, fib);
    if (!fib.modern()) return fib;

    // Three arrays follow, each after its count: 16-bit words, 32-bit
    // integers, and the offset/length pairs.
    size_t at = kBaseSize;
    at += 2 + size_t{at16(stream, at)} * 2;
    const size_t longs = at16(stream, at);
    for (size_t i = 0; i < kStories && kFirstStoryLong + i < longs; ++i)
        fib.story_length[i] = at32(stream, at + 2 + (kFirstStoryLong + i) * 4);
    at += 2 + longs * 4;
    const size_t pairs = at16(stream, at);
    at += 2;
    if (at > stream.size()) broken("the Word document's header is cut short");
    fib.pairs = stream.subspan(at, std::min(pairs * 8, stream.size() - at));
    return fib;
}

}  // namespace qrv::import::doc
