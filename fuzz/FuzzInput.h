#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// Takes a fuzzer's bytes apart front to back: choices and small numbers first, the rest
// as text or data. An exhausted input reads as zeros, so every input means something.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    std::uint16_t word() {
        std::uint16_t lo = byte();
        return static_cast<std::uint16_t>(lo | (byte() << 8));
    }
    // A number in 0..n-1 (n > 0).
    int below(int n) { return static_cast<int>(word() % static_cast<unsigned>(n)); }

    std::size_t remaining() const { return size_ - pos_; }
    // The next n bytes (fewer at the end of the input).
    std::string take(std::size_t n) {
        n = n < remaining() ? n : remaining();
        std::string out(reinterpret_cast<const char*>(data_ + pos_), n);
        pos_ += n;
        return out;
    }
    std::string rest() { return take(remaining()); }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};
