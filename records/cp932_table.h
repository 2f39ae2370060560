#pragma once

#include <cstdint>

// Microsoft's CP932 as tables, written at build time from ICU's windows-31j by
// ombrel_cp932_table_gen (Linux; Windows converts through its own code page 932).
//
// Decoding: kCp932SingleByte gives a byte's character, 0xFFFE for a lead byte, 0xFFFF for a byte
// that is no character. A lead byte's row in kCp932Pairs is kCp932LeadIndex[lead] * 256; the
// trail byte picks the character there, 0xFFFF when the pair is none.
inline constexpr std::uint16_t kCp932NoCharacter = 0xFFFF;
inline constexpr std::uint16_t kCp932LeadByte = 0xFFFE;
extern const std::uint16_t kCp932SingleByte[256];
extern const std::int8_t kCp932LeadIndex[256];
extern const std::uint16_t kCp932Pairs[];

// Encoding: a character's block (its high byte) is kCp932BlockIndex[high] * 256 into
// kCp932Blocks, -1 when CP932 holds nothing there; its low byte picks its bytes: one byte below
// 0x100, else a lead byte above a trail byte, 0 when it has none (U+0000 alone is the byte 0).
extern const std::int16_t kCp932BlockIndex[256];
extern const std::uint16_t kCp932Blocks[];
