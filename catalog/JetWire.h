// The stream by which the Jet reader helper hands a Jet file's catalogue and
// rows to the catalogue layer. Little-endian, framed, self-checking:
//
//   stream   := "VXJ1" (catalogue | rows | failure)
//   catalogue:= 'F' u32 jetVersion u32 codePage { 'T' str table columns } 'E'
//   rows     := 'C' columns { 'R' value... } 'E' u64 rowCount
//   failure  := 'X' str description         (may also replace any frame)
//   columns  := u32 count { str name u8 jetType u32 size }
//   value    := 0 (Null) | 1 i64 | 2 f64 | 3 str (UTF-8 text) | 4 str (bytes)
//   str      := u32 length, bytes
#pragma once

#include <cstdint>

namespace catalog::jetwire {

inline constexpr char Magic[4] = {'V', 'X', 'J', '1'};

enum Frame : char {
    FileInfo = 'F',
    Table = 'T',
    Columns = 'C',
    Row = 'R',
    End = 'E',
    Failure = 'X',
};

enum Value : std::uint8_t {
    Null = 0,
    Integer = 1,
    Real = 2,
    Text = 3,
    Bytes = 4,
};

// Limits past which the stream counts as malformed.
inline constexpr std::uint32_t MaxColumns = 4096;
inline constexpr std::uint32_t MaxNameLength = 4096;
inline constexpr std::uint32_t MaxValueLength = 1u << 30;

// The Jet type codes the helper sends (those of the file format).
enum JetType : std::uint8_t {
    Boolean = 0x01,
    Byte = 0x02,
    Int = 0x03,
    LongInt = 0x04,
    Money = 0x05,
    Float = 0x06,
    Double = 0x07,
    DateTime = 0x08,
    Binary = 0x09,
    TextType = 0x0a,
    Ole = 0x0b,
    Memo = 0x0c,
    ReplicationId = 0x0f,
    Numeric = 0x10,
    Complex = 0x12,
};

} // namespace catalog::jetwire
