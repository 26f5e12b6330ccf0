#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

// The 75-byte .pkm file that carries one party member between saves.
namespace member {

constexpr size_t kMemberFileSize = 75;
using MemberFile = std::array<uint8_t, kMemberFileSize>;

// Largest dex number and move number a member file may carry.
constexpr uint8_t kMaxFileDex = 151;
constexpr uint8_t kMaxFileMove = 165;

// What a member file gives back. Record bytes 3, 5 and 6 are not carried by
// the file and stay 0 here; the importer decides what they hold.
struct DecodedMember {
    std::array<uint8_t, 44> record{};
    std::array<uint8_t, 10> nickname{};
    std::array<uint8_t, 10> otName{};
};

// The reader's checks, in the order it makes them.
enum class MemberFileCheck {
    Ok,
    WrongLength,   // not exactly 75 bytes
    WrongMagic,    // does not start with "PKMN"
    BadCheckBytes, // XOR or SUM check byte does not match
    NoSuchSpecies, // plain byte 72 not 0, or dex number above 151
    NoSuchMove,    // a move number above 165
};

struct DecodeResult {
    MemberFileCheck check = MemberFileCheck::WrongLength;
    DecodedMember member;  // filled only when check is Ok
};

// record: the member's 44-byte party record; nickname, otName: bytes 0..9 of
// its name slots; dexOfInternal: the 256-entry map from the species byte.
MemberFile EncodeMemberFile(const uint8_t* record, const uint8_t* nickname,
                            const uint8_t* otName, const uint8_t* dexOfInternal);

// length is the file's length; bytes are read only when it is 75.
// internalOfDex: the 256-entry map from dex number to species byte.
DecodeResult DecodeMemberFile(size_t length, const uint8_t* bytes,
                              const uint8_t* internalOfDex);

}  // namespace member
