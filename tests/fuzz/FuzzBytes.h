#pragma once
// A fuzzer's input read front to back; past the end every read is 0.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

namespace platomer {

class FuzzBytes {
public:
    FuzzBytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool done() const { return pos_ >= size_; }
    std::uint8_t next() { return pos_ < size_ ? data_[pos_++] : 0; }
    unsigned next16() { return next() | (next() << 8u); }
    std::uint32_t next32()
    {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v = v << 8u | next();
        return v;
    }
    // The next `n` bytes as they are, or as many as are left.
    std::string take(std::size_t n)
    {
        n = std::min(n, size_ - pos_);
        std::string s(reinterpret_cast<const char*>(data_ + pos_), n);
        pos_ += n;
        return s;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

}  // namespace platomer
