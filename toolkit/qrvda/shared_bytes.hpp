// A small record that many threads read and few write, read without a lock:
// the bytes live in atomic words under a sequence count that a writer makes
// odd while it writes, and a reader takes a copy again when the count was
// odd or moved while it copied.  Writers must be serialised by the owner.
// The words are stored with release and loaded with acquire rather than
// ordered by fences: a reader that sees a new word also sees the odd count
// stored before it, the second count load cannot move above the word loads,
// and on x86 both are plain moves.  (ThreadSanitizer also models no fences.)
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>
#include <utility>

namespace qrv::toolkit {

template <size_t Bytes>
class SharedBytes {
public:
    static constexpr size_t kSize = Bytes;

    void read(void *out) const {
        Word copy[kWords];
        for (;;) {
            const uint32_t before = sequence_.load(std::memory_order_acquire);
            load_words(copy, std::make_index_sequence<kWords>{});
            if ((before & 1) == 0 && sequence_.load(std::memory_order_relaxed) == before) break;
        }
        std::memcpy(out, copy, Bytes);
    }

    void write(const void *in) {
        Word copy[kWords] = {};
        std::memcpy(copy, in, Bytes);
        const uint32_t sequence = sequence_.load(std::memory_order_relaxed);
        sequence_.store(sequence + 1, std::memory_order_relaxed);
        for (size_t i = 0; i < kWords; ++i) words_[i].store(copy[i], std::memory_order_release);
        sequence_.store(sequence + 2, std::memory_order_release);
    }

private:
    // The widest word the build reads and writes without a lock.
    using Word = std::conditional_t<std::atomic<uint64_t>::is_always_lock_free, uint64_t, uint32_t>;
    static constexpr size_t kWords = (Bytes + sizeof(Word) - 1) / sizeof(Word);

    // One load per word, unrolled (the loads are atomic, so a loop of them
    // would stay a loop).
    template <size_t... I>
    void load_words(Word *copy, std::index_sequence<I...>) const {
        ((copy[I] = words_[I].load(std::memory_order_acquire)), ...);
    }

    std::atomic<uint32_t> sequence_{0};
    std::atomic<Word> words_[kWords]{};
};

}  // namespace qrv::toolkit
