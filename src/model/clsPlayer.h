#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "base/ResultCode.h"

// Position codes as the position list and the reports show them.
namespace Position {
inline constexpr std::array<const char*, 5> kNames = {"Guard", "Guard", "Forward", "Forward", "Center"};
// The three groups those names make: 0 guard (codes 0, 1), 1 forward (2, 3), 2 center (4);
// -1 for a code beyond the list.
inline constexpr std::array<const char*, 3> kGroupNames = {"Guard", "Forward", "Center"};
constexpr int group(int code) { return code < 0 ? -1 : code <= 1 ? 0 : code <= 3 ? 1 : code == 4 ? 2 : -1; }
}  // namespace Position

// One player of the league. Ratings are held as the game's raw bytes; the face number
// and race flag of the NES edition share bytes with block and shot range.
class clsPlayer {
public:
    void setFirst(const std::string& v) { first_ = v; }
    const std::string& getFirst() const { return first_; }
    void setLast(const std::string& v) { last_ = v; }
    const std::string& getLast() const { return last_; }
    void setJersey(std::uint8_t v) { jersey_ = v; }
    std::uint8_t getJersey() const { return jersey_; }
    void setFeet(std::uint8_t v) { feet_ = v; }
    std::uint8_t getFeet() const { return feet_; }
    void setInch(std::uint8_t v) { inch_ = v; }
    std::uint8_t getInch() const { return inch_; }
    void setWeight(std::int16_t v) { weight_ = v; }
    std::int16_t getWeight() const { return weight_; }
    void setPosition(std::uint8_t v) { position_ = v; }
    std::uint8_t getPosition() const { return position_; }
    void setFGpercent(std::int16_t v) { fg_ = v; }
    std::int16_t getFGpercent() const { return fg_; }
    void setFTpercent(std::int16_t v) { ft_ = v; }
    std::int16_t getFTpercent() const { return ft_; }
    void set3PTpercent(std::int16_t v) { tp_ = v; }
    std::int16_t get3PTpercent() const { return tp_; }

    void setRunSpeed(std::uint8_t v) { runSpeed_ = v; }
    std::uint8_t getRunSpeed() const { return runSpeed_; }
    void setJump(std::uint8_t v) { jump_ = v; }
    std::uint8_t getJump() const { return jump_; }
    void setSteal(std::uint8_t v) { steal_ = v; }
    std::uint8_t getSteal() const { return steal_; }
    void setStamina(std::uint8_t v) { stamina_ = v; }
    std::uint8_t getStamina() const { return stamina_; }
    void setUnknownByte(std::uint8_t v) { unknown_ = v; }
    std::uint8_t getUnknownByte() const { return unknown_; }
    void setDataPtr(std::int32_t v) { dataPtr_ = v; }
    std::int32_t getDataPtr() const { return dataPtr_; }

    // Whole bytes, face number and race flag included.
    void setBlock(std::uint8_t v) { blockByte_ = v; }
    void setShotRange(std::uint8_t v) { shotByte_ = v; }
    std::uint8_t getBlockByte() const { return blockByte_; }
    std::uint8_t getShotRangeByte() const { return shotByte_; }

    std::string getFullname() const { return first_ + " " + last_; }
    std::uint8_t getBlock() const { return blockByte_ & 0x0F; }
    std::uint8_t getShotRange() const { return shotByte_ & 0x7F; }
    std::int16_t getFaceNES() const { return blockByte_ & 0xF0; }
    std::uint8_t getRaceNES() const { return shotByte_ & 0x80; }
    std::uint8_t getFaceSNES() const { return 0; }
    std::uint8_t getRaceSNES() const { return 0; }

    // Display scales, as the editor shows and the reports rank them.
    std::int16_t getConvRunSpeed() const;
    std::int16_t getConvJump() const;
    std::int16_t getConvSteal() const;
    std::int16_t getConvBlock() const;
    std::int16_t getConvShotRange() const;
    std::int16_t getConvStamina() const;

    // Raw ratings in field order: run speed, jump, steal, block/face, shot range/race,
    // stamina, unknown.
    std::array<std::uint8_t, 7> getAttBytes() const;

    // One-unit steps within the game's limits.
    void incRS();
    void decRS();
    void incJump();
    void decJump();
    void incSteal();
    void decSteal();
    void incBlock();
    void decBlock();
    void incSR();
    void decSR();
    void incStam();
    void decStam();

    void initPlayer();

    // The player data record: name bytes, 0x20, last name, then position | 0x80, jersey
    // in BCD, feet/inches nibbles, weight/4, FG/4, FT/4, 3PT/4. False (nothing written)
    // when a jersey of 100 or more or a percentage whose quarter rounds outside 0..255
    // cannot be stored; weight is taken modulo 256 and never fails.
    bool getDataArray(std::vector<std::uint8_t>& out) const;

    // Decodes a player data record from the start of bytes. Returns the record's length,
    // or 0 (nothing changed) when the record runs past the end of the bytes.
    std::size_t decodeDataRecord(const std::uint8_t* bytes, std::size_t available);

    // Rating record: 6 bytes (NES) or 7 (SNES): run speed, jump, shot range/race,
    // stamina, steal, block/face, [unknown].
    static constexpr std::size_t ratingRecordSize(ConsoleKind kind) { return kind == Console::Snes ? 7 : 6; }
    void readRatingRecord(const std::uint8_t* rec, ConsoleKind kind);
    void writeRatingRecord(std::uint8_t* rec, ConsoleKind kind) const;

    bool operator==(const clsPlayer&) const = default;

private:
    bool getInfoBytes(std::array<std::uint8_t, 7>& out) const;

    std::string first_;
    std::string last_;
    std::uint8_t jersey_ = 0;
    std::uint8_t feet_ = 0;
    std::uint8_t inch_ = 0;
    std::int16_t weight_ = 0;
    std::uint8_t position_ = 0;
    std::int16_t fg_ = 0;
    std::int16_t ft_ = 0;
    std::int16_t tp_ = 0;
    std::uint8_t runSpeed_ = 0;
    std::uint8_t jump_ = 0;
    std::uint8_t steal_ = 0;
    std::uint8_t blockByte_ = 0;
    std::uint8_t shotByte_ = 0;
    std::uint8_t stamina_ = 0;
    std::uint8_t unknown_ = 0;
    std::int32_t dataPtr_ = 0;
};
