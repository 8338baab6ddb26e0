// Compound files built in memory for tests: streams of 4096 bytes and more
// in sectors of 512 bytes, smaller ones in the mini stream, and hooks that
// damage the allocation tables or cut the file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace qrv::test {

// Little-endian integers as bytes.
inline std::string u8(uint32_t v) { return std::string(1, static_cast<char>(v & 0xFF)); }
inline std::string u16(uint32_t v) { return u8(v) + u8(v >> 8); }
inline std::string u32(uint32_t v) { return u16(v & 0xFFFF) + u16(v >> 16); }

inline void put16(std::string &s, size_t at, uint32_t v) {
    s[at] = static_cast<char>(v & 0xFF);
    s[at + 1] = static_cast<char>(v >> 8 & 0xFF);
}
inline void put32(std::string &s, size_t at, uint32_t v) {
    put16(s, at, v & 0xFFFF);
    put16(s, at + 2, v >> 16);
}

class CompoundFileBuilder {
public:
    static constexpr uint32_t kEnd = 0xFFFFFFFEu, kFree = 0xFFFFFFFFu;

    void add(std::string name, std::string data) { streams_.push_back({std::move(name), std::move(data)}); }
    // Sets an entry of the allocation table (or of the mini table) once laid out.
    void patch_fat(uint32_t sector, uint32_t next) { fat_patches_.push_back({sector, next}); }
    void patch_mini_fat(uint32_t sector, uint32_t next) { mini_patches_.push_back({sector, next}); }
    // The first sector (mini sector for a small stream) of stream i.
    uint32_t first_sector(size_t i) {
        lay_out();
        return streams_[i].start;
    }

    std::string bytes() {
        lay_out();
        std::vector<uint32_t> fat(fat_sectors_ * 128, kFree), mini(mini_fat_sectors_ * 128, kFree);
        for (uint32_t i = 0; i < fat_sectors_; ++i) fat[i] = 0xFFFFFFFDu;
        chain(fat, dir_start_, dir_sectors_);
        chain(fat, mini_fat_start_, mini_fat_sectors_);
        chain(fat, mini_stream_start_, mini_stream_sectors_);
        for (const auto &s : streams_) chain(s.mini ? mini : fat, s.start, s.units);
        for (auto [at, v] : fat_patches_) fat[at] = v;
        for (auto [at, v] : mini_patches_) mini[at] = v;

        std::string out(512 * (1 + total_sectors_), '\0');
        const char magic[] = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";
        out.replace(0, 8, magic, 8);
        put16(out, 24, 0x3E), put16(out, 26, 3), put16(out, 28, 0xFFFE), put16(out, 30, 9), put16(out, 32, 6);
        put32(out, 44, fat_sectors_), put32(out, 48, dir_start_), put32(out, 56, 4096);
        put32(out, 60, mini_fat_sectors_ ? mini_fat_start_ : kEnd), put32(out, 64, mini_fat_sectors_);
        put32(out, 68, kEnd);
        for (uint32_t i = 0; i < 109; ++i) put32(out, 76 + 4 * i, i < fat_sectors_ ? i : kFree);
        for (size_t i = 0; i < fat.size(); ++i) put32(out, 512 + 4 * i, fat[i]);
        for (size_t i = 0; i < mini.size(); ++i) put32(out, at(mini_fat_start_) + 4 * i, mini[i]);
        write_directory(out);
        std::string mini_stream;
        for (const auto &s : streams_) {
            if (s.mini) {
                mini_stream += s.data + std::string(s.units * 64 - s.data.size(), '\0');
            } else {
                out.replace(at(s.start), s.data.size(), s.data);
            }
        }
        out.replace(at(mini_stream_start_), mini_stream.size(), mini_stream);
        if (cut_to_ && *cut_to_ < out.size()) out.resize(*cut_to_);
        return out;
    }
    void cut_to(size_t size) { cut_to_ = size; }

private:
    struct Stream {
        std::string name, data;
        bool mini = false;
        uint32_t start = kEnd, units = 0;
    };
    static uint32_t units(size_t bytes, size_t unit) { return static_cast<uint32_t>((bytes + unit - 1) / unit); }
    static size_t at(uint32_t sector) { return 512 * (size_t{sector} + 1); }
    static void chain(std::vector<uint32_t> &table, uint32_t start, uint32_t count) {
        for (uint32_t i = 0; i < count; ++i) table[start + i] = i + 1 < count ? start + i + 1 : kEnd;
    }

    void lay_out() {
        uint32_t mini_units = 0, big = 0;
        for (auto &s : streams_) {
            s.mini = s.data.size() < 4096;
            s.units = units(s.data.size(), s.mini ? 64 : 512);
            s.start = s.units == 0 ? kEnd : s.mini ? mini_units : big;
            (s.mini ? mini_units : big) += s.units;
        }
        dir_sectors_ = units((streams_.size() + 1) * 128, 512);
        mini_fat_sectors_ = units(mini_units * 4, 512);
        mini_stream_sectors_ = units(mini_units * 64, 512);
        const uint32_t others = dir_sectors_ + mini_fat_sectors_ + mini_stream_sectors_ + big;
        fat_sectors_ = 1;
        while (fat_sectors_ * 128 < others + fat_sectors_) ++fat_sectors_;
        dir_start_ = fat_sectors_;
        mini_fat_start_ = dir_start_ + dir_sectors_;
        mini_stream_start_ = mini_fat_start_ + mini_fat_sectors_;
        const uint32_t first_big = mini_stream_start_ + mini_stream_sectors_;
        for (auto &s : streams_)
            if (!s.mini && s.units) s.start += first_big;
        total_sectors_ = first_big + big;
        mini_size_ = mini_units * 64;
    }

    void write_entry(std::string &out, size_t index, const std::string &name, uint8_t type, uint32_t start,
                     uint32_t size, uint32_t right, uint32_t child) {
        const size_t e = at(dir_start_) + 128 * index;
        for (size_t i = 0; i < name.size(); ++i) put16(out, e + 2 * i, static_cast<unsigned char>(name[i]));
        put16(out, e + 64, static_cast<uint32_t>(2 * (name.size() + 1)));
        out[e + 66] = static_cast<char>(type);
        out[e + 67] = 1;
        put32(out, e + 68, kFree), put32(out, e + 72, right), put32(out, e + 76, child);
        put32(out, e + 116, start), put32(out, e + 120, size);
    }
    void write_directory(std::string &out) {
        write_entry(out, 0, "Root Entry", 5, mini_size_ ? mini_stream_start_ : kEnd, mini_size_, kFree,
                    streams_.empty() ? kFree : 1);
        for (size_t i = 0; i < streams_.size(); ++i)
            write_entry(out, i + 1, streams_[i].name, 2, streams_[i].start,
                        static_cast<uint32_t>(streams_[i].data.size()),
                        i + 1 < streams_.size() ? static_cast<uint32_t>(i + 2) : kFree, kFree);
    }

    std::vector<Stream> streams_;
    std::vector<std::pair<uint32_t, uint32_t>> fat_patches_, mini_patches_;
    std::optional<size_t> cut_to_;
    uint32_t fat_sectors_ = 0, dir_sectors_ = 0, dir_start_ = 0, mini_fat_sectors_ = 0, mini_fat_start_ = 0;
    uint32_t mini_stream_sectors_ = 0, mini_stream_start_ = 0, total_sectors_ = 0, mini_size_ = 0;
};

// A summary information stream whose one property is the title, an 8-bit
// string.
inline std::string summary_with_title(const std::string &title) {
    const std::string value = u32(30) + u32(static_cast<uint32_t>(title.size() + 1)) + title + '\0';
    const std::string section = u32(8 + 8 + static_cast<uint32_t>(value.size())) + u32(1) + u32(2) + u32(16) + value;
    return u16(0xFFFE) + u16(0) + u32(0) + std::string(16, '\0') + u32(1) + std::string(16, '\0') + u32(48) + section;
}

}  // namespace qrv::test
