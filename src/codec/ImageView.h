#pragma once
#include <cstdint>
#include <string>

#include "base/RomImage.h"

// Bounds-checked reads from an image: every access names an offset (possibly negative or
// far beyond the end, as a foreign image or a misconfigured offset set gives) and fails
// instead of reading outside the bytes.
class ImageView {
public:
    explicit ImageView(const RomImage& image) : image_(image) {}

    std::int64_t size() const { return static_cast<std::int64_t>(image_.size()); }

    // True when the n bytes from offset lie inside the image.
    bool contains(std::int64_t offset, std::int64_t n) const {
        return offset >= 0 && n >= 0 && offset <= size() && n <= size() - offset;
    }

    bool byte(std::int64_t offset, std::uint8_t& out) const {
        if (!contains(offset, 1)) return false;
        out = image_[static_cast<std::size_t>(offset)];
        return true;
    }

    // Little-endian 16-bit value.
    bool word(std::int64_t offset, std::uint16_t& out) const {
        if (!contains(offset, 2)) return false;
        std::size_t i = static_cast<std::size_t>(offset);
        out = static_cast<std::uint16_t>(image_[i] | (image_[i + 1] << 8));
        return true;
    }

    // Start of n bytes at offset, or nullptr when they do not all lie in the image.
    const std::uint8_t* span(std::int64_t offset, std::int64_t n) const {
        if (!contains(offset, n)) return nullptr;
        return image_.data() + offset;
    }

    // A text of one byte per character ended by 0xFF, cut at 256 characters. False when
    // the image ends before either.
    bool text(std::int64_t offset, std::string& out) const {
        out.clear();
        for (int i = 0; i < 256; ++i) {
            std::uint8_t b = 0;
            if (!byte(offset + i, b)) return false;
            if (b == 0xFF) return true;
            out.push_back(static_cast<char>(b));
        }
        return true;
    }

private:
    const RomImage& image_;
};
