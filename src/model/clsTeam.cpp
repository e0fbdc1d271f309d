#include "model/clsTeam.h"

clsPlayer* clsTeam::getPlayerRef(int playernum) {
    if (playernum < 0 || playernum >= kSlots) return nullptr;
    return &players_[static_cast<std::size_t>(playernum)];
}

const clsPlayer* clsTeam::getPlayerRef(int playernum) const {
    if (playernum < 0 || playernum >= kSlots) return nullptr;
    return &players_[static_cast<std::size_t>(playernum)];
}

std::vector<std::uint8_t> clsTeam::getPaletteRef(int palType) const {
    if (palType == 1) return {nes_.begin(), nes_.end()};
    if (palType == 2) return {snes_.begin(), snes_.end()};
    return {};
}

void clsTeam::setUniformColor_NES(std::uint8_t color0, std::uint8_t color1) {
    nes_ = {color0, color1};
    uniformNES_vaild = true;
}

void clsTeam::setUniformColor_NES_single(int index, std::uint8_t color) {
    nes_[static_cast<std::size_t>(index & 1)] = color & 0x3F;
    uniformNES_vaild = true;
}

void clsTeam::setUniformColor_2Bytes(int index, std::uint8_t byte0, std::uint8_t byte1) {
    std::size_t i = static_cast<std::size_t>(index & 127);
    snes_[2 * i] = byte0;
    snes_[2 * i + 1] = byte1;
    uniformSNES_vaild = true;
}

void clsTeam::setUniformColor_1Word(int index, int word0) {
    setUniformColor_2Bytes(index, static_cast<std::uint8_t>(word0 & 0xFF),
                           static_cast<std::uint8_t>((word0 & 0xFF00) >> 8));
}

std::int16_t clsTeam::getUniformColor_1Word(int index) const {
    std::size_t i = static_cast<std::size_t>(index & 127);
    return static_cast<std::int16_t>((snes_[2 * i] | (snes_[2 * i + 1] << 8)) & 0x7FFF);
}

std::array<std::uint8_t, 2> clsTeam::getUniformColor_2Bytes(int index) const {
    std::size_t i = static_cast<std::size_t>(index & 127);
    return {snes_[2 * i], snes_[2 * i + 1]};
}

void clsTeam::initTeam() {
    city_ = "CITY";
    mascot_ = "MASCOT";
    abrev_ = "ABREV";
    pointsScored_ = 100;
    pointsGiven_ = 100;
    uniformNES_vaild = false;
    uniformSNES_vaild = false;
    nes_.fill(0);
    snes_.fill(0);
    for (int p = 0; p < kRoster; ++p) players_[static_cast<std::size_t>(p)].initPlayer();
}
