#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/SnesColorWord.h"
#include "model/clsPlayer.h"

// One team: name texts, points figures, thirteen player slots (the roster is 0..11) and
// uniform colours of both editions as the game stores them.
class clsTeam {
public:
    static constexpr int kSlots = 13;
    static constexpr int kRoster = 12;

    bool uniformNES_vaild = false;
    bool uniformSNES_vaild = false;

    void setCity(const std::string& v) { city_ = v; }
    const std::string& getCity() const { return city_; }
    void setMascot(const std::string& v) { mascot_ = v; }
    const std::string& getMascot() const { return mascot_; }
    void setAbrev(const std::string& v) { abrev_ = v; }
    const std::string& getAbrev() const { return abrev_; }
    void setPointsScored(std::uint8_t v) { pointsScored_ = v; }
    std::uint8_t getPointsScored() const { return pointsScored_; }
    void setPointsGiven(std::uint8_t v) { pointsGiven_ = v; }
    std::uint8_t getPointsGiven() const { return pointsGiven_; }

    // The player of slot 0..12; nullptr for any other slot.
    clsPlayer* getPlayerRef(int playernum);
    const clsPlayer* getPlayerRef(int playernum) const;

    // 1: the two NES bytes; 2: the 256 SNES bytes; anything else: empty.
    std::vector<std::uint8_t> getPaletteRef(int palType) const;

    void setUniformColor_NES(std::uint8_t color0, std::uint8_t color1);
    void setUniformColor_NES_single(int index, std::uint8_t color);
    std::array<std::uint8_t, 2> getUniformColor_NES() const { return nes_; }
    std::uint8_t getUniformColor_NES_0() const { return nes_[0]; }
    std::uint8_t getUniformColor_NES_1() const { return nes_[1]; }
    std::uint8_t getUniformColor_NES_single(int index) const { return nes_[static_cast<std::size_t>(index & 1)]; }

    void setUniformColor_2Bytes(int index, std::uint8_t byte0, std::uint8_t byte1);
    void setUniformColor_1Word(int index, int word0);
    // The word of entry index & 127, bit 15 ignored: 0..32767.
    std::int16_t getUniformColor_1Word(int index) const;
    std::array<std::uint8_t, 2> getUniformColor_2Bytes(int index) const;
    std::uint8_t getUniformData(int index) const { return snes_[static_cast<std::size_t>(index & 0xFF)]; }
    SnesColor::Rgb getUniformColor_RGB(int index) const { return SnesColor::toRgb(getUniformColor_1Word(index)); }
    std::uint8_t getRed(int index) const {
        return static_cast<std::uint8_t>(SnesColor::red(getUniformColor_1Word(index)));
    }
    std::uint8_t getGreen(int index) const {
        return static_cast<std::uint8_t>(SnesColor::green(getUniformColor_1Word(index)));
    }
    std::uint8_t getBlue(int index) const {
        return static_cast<std::uint8_t>(SnesColor::blue(getUniformColor_1Word(index)));
    }

    // Raw access for the readers: stores bytes without touching the flags.
    void setNesByte(int index, std::uint8_t v) { nes_[static_cast<std::size_t>(index & 1)] = v; }
    void setSnesByte(int index, std::uint8_t v) { snes_[static_cast<std::size_t>(index & 0xFF)] = v; }

    void initTeam();

    bool operator==(const clsTeam&) const = default;

private:
    std::string city_;
    std::string mascot_;
    std::string abrev_;
    std::uint8_t pointsScored_ = 0;
    std::uint8_t pointsGiven_ = 0;
    std::array<clsPlayer, kSlots> players_{};
    std::array<std::uint8_t, 2> nes_{};
    std::array<std::uint8_t, 256> snes_{};
};
