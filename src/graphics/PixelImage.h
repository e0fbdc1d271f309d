#pragma once
#include <cstdint>
#include <vector>

// A plain picture: width x height pixels, each an RGB colour value
// (red + 256 * green + 65536 * blue), row by row from the top-left corner.
class PixelImage {
public:
    PixelImage() = default;
    PixelImage(int width, int height, std::uint32_t fill = 0)
        : width_(width), height_(height), pixels_(static_cast<std::size_t>(width * height), fill) {}

    int width() const { return width_; }
    int height() const { return height_; }
    // Pixels outside the picture are ignored when set and read as 0.
    void set(int x, int y, std::uint32_t rgb) {
        if (x >= 0 && y >= 0 && x < width_ && y < height_) pixels_[static_cast<std::size_t>(y * width_ + x)] = rgb;
    }
    std::uint32_t get(int x, int y) const {
        return (x >= 0 && y >= 0 && x < width_ && y < height_) ? pixels_[static_cast<std::size_t>(y * width_ + x)] : 0;
    }
    void fill(std::uint32_t rgb) { pixels_.assign(pixels_.size(), rgb); }
    const std::vector<std::uint32_t>& pixels() const { return pixels_; }

    bool operator==(const PixelImage&) const = default;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
};
