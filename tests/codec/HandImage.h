#pragma once
// Images assembled byte by byte at the default offsets, without the writer: pointers are
// computed here from the game's address views (NES: the CPU sees file offset X at X - 0x10;
// SNES: bank $04 offset X - 0x40000 with bit 15 set, abbreviations in bank $00 at
// X - 0x4000), records and texts are placed by hand. A fault shared by the reader and the
// writer cannot hide behind these.
#include <cstdint>
#include <string>
#include <vector>

#include "settings/OffsetSet.h"
#include "settings/RomImage.h"

namespace handimage {

inline std::uint8_t bcd(int v) { return static_cast<std::uint8_t>((v / 10) * 16 + v % 10); }

struct HandImage {
    ConsoleKind kind;
    OffsetSet o;
    RomImage rom;
    std::int64_t scratch;      // next free byte of a scratch area that player pointers reach
    std::int64_t textScratch;  // the same for city and mascot texts

    explicit HandImage(ConsoleKind k)
        : kind(k), o(k == Console::Nes ? OffsetSet::nesDefaults() : OffsetSet::snesDefaults()) {
        rom.resize(k == Console::Nes ? 0x20000 : 0x50000);
        for (std::size_t i = 0; i < rom.size(); ++i) rom[i] = static_cast<std::uint8_t>((i * 7 + 3) & 0xFF);
        scratch = k == Console::Nes ? 0xB000 : 0x45000;
        textScratch = k == Console::Nes ? 0xB800 : 0x40100;
        build();
    }

    bool snes() const { return kind == Console::Snes; }

    // 16-bit pointers as the game stores them.
    std::uint16_t blockPtr(std::int64_t off) const {
        return static_cast<std::uint16_t>(snes() ? ((off - 0x40000) | 0x8000) : off - 0x10);
    }
    std::uint16_t cityPtr(std::int64_t off) const { return blockPtr(off); }
    std::uint16_t abrevPtr(std::int64_t off) const {
        return static_cast<std::uint16_t>(snes() ? ((off - 0x4000) | 0x8000) : off - 0x10);
    }

    void put(std::int64_t off, const std::vector<std::uint8_t>& bytes) {
        for (std::size_t i = 0; i < bytes.size(); ++i) rom[static_cast<std::size_t>(off) + i] = bytes[i];
    }
    void putWord(std::int64_t off, std::uint16_t w) { put(off, {static_cast<std::uint8_t>(w & 0xFF), static_cast<std::uint8_t>(w >> 8)}); }
    void putText(std::int64_t off, const std::string& s) {
        std::vector<std::uint8_t> b(s.begin(), s.end());
        b.push_back(0xFF);
        put(off, b);
    }
    std::int64_t listOffset(int t) const { return o[OffsetSet::playerDataArea] + 256 * t; }

    // Places a record in the scratch area and points player p of team t at it.
    std::int64_t placeRecord(int t, int p, const std::vector<std::uint8_t>& record) {
        std::int64_t at = scratch;
        put(at, record);
        scratch += static_cast<std::int64_t>(record.size());
        putWord(listOffset(t) + 2 * p, blockPtr(at));
        return at;
    }
    void placeCity(int t, const std::string& s) {
        putText(scratchText(s), s);
        putWord(o[OffsetSet::cityPtrTable] + 2 * t, cityPtr(lastText_));
    }

    // The default league: every field derived from the team and player index.
    static std::string tagged(const char* stem, char tag) {
        std::string s(stem);
        s.push_back(tag);
        return s;
    }
    static std::string first(int t) { return tagged("F", static_cast<char>('A' + t % 26)); }
    static std::string last(int p) { return tagged("L", static_cast<char>('A' + p)); }
    static std::string city(int t) { return tagged("CITY", static_cast<char>('A' + t % 26)); }
    static std::string mascot(int t) { return tagged("MAS", static_cast<char>('A' + t % 26)); }
    static std::string abrev(int t) { return tagged("A", static_cast<char>('A' + t % 26)); }
    static std::vector<std::uint8_t> record(int t, int p) {
        std::string f = first(t), l = last(p);
        std::vector<std::uint8_t> r(f.begin(), f.end());
        r.push_back(' ');
        r.insert(r.end(), l.begin(), l.end());
        // position, jersey, 6'10", 212 lb, FG 44, FT 80, 3PT 32
        r.insert(r.end(), {static_cast<std::uint8_t>(0x80 | (p % 5)), bcd((t + p) % 100), 0x6A, 53, 11, 20, 8});
        return r;
    }
    std::int64_t ratingOffset(int t, int p) const { return o[OffsetSet::attributeTable] + (snes() ? 84 * t + 7 * p : 72 * t + 6 * p); }
    static std::uint8_t ratingByte(int t, int p, int k) { return static_cast<std::uint8_t>(t * 12 + p + 40 * k); }

    void build() {
        for (int t = 0; t < 27; ++t) {
            putWord(o[OffsetSet::teamPtrTable] + 2 * t, blockPtr(listOffset(t)));
            std::int64_t at = listOffset(t) + 24;
            for (int p = 0; p < 12; ++p) {
                putWord(listOffset(t) + 2 * p, blockPtr(at));
                put(at, record(t, p));
                at += static_cast<std::int64_t>(record(t, p).size());
                for (int k = 0; k < (snes() ? 7 : 6); ++k) rom[static_cast<std::size_t>(ratingOffset(t, p) + k)] = ratingByte(t, p, k);
            }
            putText(o[OffsetSet::cityTextArea] + 9 * t, city(t));
            putWord(o[OffsetSet::cityPtrTable] + 2 * t, cityPtr(o[OffsetSet::cityTextArea] + 9 * t));
            putText(o[OffsetSet::mascotTextArea] + 8 * t, mascot(t));
            putWord(o[OffsetSet::mascotPtrTable] + 2 * t, cityPtr(o[OffsetSet::mascotTextArea] + 8 * t));
            putText(o[OffsetSet::abrevTextArea] + 6 * t, abrev(t));
            putWord(o[OffsetSet::abrevPtrTable] + 2 * t, abrevPtr(o[OffsetSet::abrevTextArea] + 6 * t));
            rom[static_cast<std::size_t>(o[OffsetSet::pointsTable] + t)] = static_cast<std::uint8_t>(100 + t);
            rom[static_cast<std::size_t>(o[OffsetSet::pointsTable] + 27 + t)] = static_cast<std::uint8_t>(60 + t);
            if (snes()) {
                for (int k = 0; k < 256; ++k)
                    rom[static_cast<std::size_t>(o[OffsetSet::uniformTable] + 256 * t + k)] = static_cast<std::uint8_t>((t * 3 + k) & 0x7F);
            } else {
                rom[static_cast<std::size_t>(o[OffsetSet::uniformTable] + t)] = static_cast<std::uint8_t>(t);
                rom[static_cast<std::size_t>(o[OffsetSet::uniformTable] + 29 + t)] = static_cast<std::uint8_t>(0x20 + t);
            }
        }
        for (int i = 0; i < 48; ++i) rom[static_cast<std::size_t>(o[OffsetSet::allStarRosterTable] + i)] = static_cast<std::uint8_t>(2 * (i % 12));
        for (int i = 0; i < 2214; ++i)
            rom[static_cast<std::size_t>(o[OffsetSet::scheduleTable] + i)] = static_cast<std::uint8_t>(0x80 | ((i * 5) % 27));
    }

private:
    std::int64_t scratchText(const std::string& s) {
        lastText_ = textScratch;
        textScratch += static_cast<std::int64_t>(s.size()) + 1;
        return lastText_;
    }
    std::int64_t lastText_ = 0;
};

}  // namespace handimage
