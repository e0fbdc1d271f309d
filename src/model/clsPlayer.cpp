#include "model/clsPlayer.h"

#include <algorithm>

#include "base/TextNumber.h"
#include "model/Rating.h"

using TextNumber::roundHalfEven;

std::int16_t clsPlayer::getConvRunSpeed() const {
    return static_cast<std::int16_t>((runSpeed_ & 0xF0) / 16 * 40 + (runSpeed_ & 0x0F) * 4);
}

std::int16_t clsPlayer::getConvJump() const {
    double x = static_cast<double>(jump_) - 144.0;
    return static_cast<std::int16_t>(roundHalfEven(x / 2.0 + x));
}

std::int16_t clsPlayer::getConvSteal() const { return static_cast<std::int16_t>(roundHalfEven(steal_ / 2.0)); }

std::int16_t clsPlayer::getConvBlock() const { return static_cast<std::int16_t>((blockByte_ & 0x0F) * 8); }
std::int16_t clsPlayer::getConvShotRange() const { return static_cast<std::int16_t>((shotByte_ & 0x0F) * 10); }
std::int16_t clsPlayer::getConvStamina() const { return static_cast<std::int16_t>(stamina_ + 1); }

std::array<std::uint8_t, 7> clsPlayer::getAttBytes() const {
    return {runSpeed_, jump_, steal_, blockByte_, shotByte_, stamina_, unknown_};
}

namespace {

std::uint8_t stepUp(std::uint8_t v, int max) { return static_cast<std::uint8_t>(std::min(v + 1, max)); }
std::uint8_t stepDown(std::uint8_t v, int min) { return static_cast<std::uint8_t>(std::max(v - 1, min)); }

}  // namespace

namespace {
constexpr const Rating& kRunSpeed = kRatings[Rating::RunSpeed];
constexpr const Rating& kJumping = kRatings[Rating::Jumping];
constexpr const Rating& kStealing = kRatings[Rating::Stealing];
constexpr const Rating& kBlocking = kRatings[Rating::Blocking];
constexpr const Rating& kShootingRange = kRatings[Rating::ShootingRange];
constexpr const Rating& kStamina = kRatings[Rating::Stamina];
}  // namespace

void clsPlayer::incRS() { runSpeed_ = stepUp(runSpeed_, kRunSpeed.rawMax); }
void clsPlayer::decRS() { runSpeed_ = stepDown(runSpeed_, kRunSpeed.rawMin); }
void clsPlayer::incJump() { jump_ = stepUp(jump_, kJumping.rawMax); }
void clsPlayer::decJump() { jump_ = stepDown(jump_, kJumping.rawMin); }
void clsPlayer::incSteal() { steal_ = stepUp(steal_, kStealing.rawMax); }
void clsPlayer::decSteal() { steal_ = stepDown(steal_, kStealing.rawMin); }
void clsPlayer::incStam() { stamina_ = stepUp(stamina_, kStamina.rawMax); }
void clsPlayer::decStam() { stamina_ = stepDown(stamina_, kStamina.rawMin); }

// Block keeps the face number in the high nibble.
void clsPlayer::incBlock() {
    blockByte_ = static_cast<std::uint8_t>((blockByte_ & 0xF0) | stepUp(blockByte_ & 0x0F, kBlocking.rawMax));
}
void clsPlayer::decBlock() {
    blockByte_ = static_cast<std::uint8_t>((blockByte_ & 0xF0) | stepDown(blockByte_ & 0x0F, kBlocking.rawMin));
}

// Shot range keeps the race flag in bit 7; bits 4-6 are cleared.
void clsPlayer::incSR() {
    shotByte_ = static_cast<std::uint8_t>((shotByte_ & 0x80) | stepUp(shotByte_ & 0x0F, kShootingRange.rawMax));
}
void clsPlayer::decSR() {
    shotByte_ = static_cast<std::uint8_t>((shotByte_ & 0x80) | stepDown(shotByte_ & 0x0F, kShootingRange.rawMin));
}

void clsPlayer::initPlayer() {
    std::uint8_t unknown = unknown_;
    *this = clsPlayer();
    jump_ = 144;
    unknown_ = unknown;
    dataPtr_ = -1;
}

bool clsPlayer::getInfoBytes(std::array<std::uint8_t, 7>& out) const {
    if (jersey_ >= 100) return false;
    out[0] = static_cast<std::uint8_t>(position_ | 0x80);
    out[1] = static_cast<std::uint8_t>((jersey_ / 10) * 16 + jersey_ % 10);
    out[2] = static_cast<std::uint8_t>(((feet_ & 0x0F) << 4) | (inch_ & 0x0F));
    long w = static_cast<long>(roundHalfEven(weight_ / 4.0));
    out[3] = static_cast<std::uint8_t>(((w % 256) + 256) % 256);
    const std::int16_t percents[3] = {fg_, ft_, tp_};
    for (int i = 0; i < 3; ++i) {
        double q = roundHalfEven(percents[i] / 4.0);
        if (q < 0 || q > 255) return false;
        out[static_cast<std::size_t>(4 + i)] = static_cast<std::uint8_t>(q);
    }
    return true;
}

bool clsPlayer::getDataArray(std::vector<std::uint8_t>& out) const {
    std::array<std::uint8_t, 7> info{};
    if (!getInfoBytes(info)) return false;
    std::string name = getFullname();
    out.assign(name.begin(), name.end());
    out.insert(out.end(), info.begin(), info.end());
    return true;
}

std::size_t clsPlayer::decodeDataRecord(const std::uint8_t* bytes, std::size_t available) {
    std::string first, last;
    bool inLast = false;
    std::size_t L = 0;
    while (L < available && bytes[L] < 0x80) {
        char c = static_cast<char>(bytes[L]);
        if (c == ' ')
            inLast = true;
        else
            (inLast ? last : first).push_back(c);
        ++L;
    }
    if (L + 7 > available) return 0;
    const std::uint8_t* b = bytes + L;
    setFirst(first);
    setLast(last);
    setPosition(b[0] & 0x07);
    int hi = b[1] >> 4, lo = b[1] & 0x0F;
    setJersey(static_cast<std::uint8_t>(hi > 9 ? 0 : (lo > 9 ? hi : hi * 10 + lo)));
    setFeet(static_cast<std::uint8_t>(b[2] >> 4));
    setInch(b[2] & 0x0F);
    setWeight(static_cast<std::int16_t>(b[3] * 4));
    setFGpercent(static_cast<std::int16_t>(b[4] * 4));
    setFTpercent(static_cast<std::int16_t>(b[5] * 4));
    set3PTpercent(static_cast<std::int16_t>(b[6] * 4));
    return L + 7;
}

void clsPlayer::readRatingRecord(const std::uint8_t* rec, ConsoleKind kind) {
    setRunSpeed(rec[0]);
    setJump(rec[1]);
    setShotRange(rec[2]);
    setStamina(rec[3]);
    setSteal(rec[4]);
    setBlock(rec[5]);
    if (kind == Console::Snes) setUnknownByte(rec[6]);
}

void clsPlayer::writeRatingRecord(std::uint8_t* rec, ConsoleKind kind) const {
    rec[0] = getRunSpeed();
    rec[1] = getJump();
    rec[2] = static_cast<std::uint8_t>(getRaceNES() | getShotRange());
    rec[3] = getStamina();
    rec[4] = getSteal();
    rec[5] = static_cast<std::uint8_t>(getFaceNES() | getBlock());
    if (kind == Console::Snes) rec[6] = getUnknownByte();
}
