#pragma once

// Every sentence the message line shows. Czech without diacritics, as the
// editor has always spoken to its users.
namespace msg {

// Loading a save
constexpr const char* kSaveWrongLength = "Spatna delka souboru !";
constexpr const char* kSaveUnreadable = "Soubor SAV nelze precist !";
constexpr const char* kSavePathTooLong = "Moc dlouha cesta k souboru SAV !";
constexpr const char* kNoMembers = "Zadny Pokemon nenalezen !";
constexpr const char* kTooManyMembers = "Nemuzes mit vic nez 6 Pokemonu !";
constexpr const char* kLoadBadSpecies = "Spatne cislo Pokemona ! Zeby spatny SAV ?";

// Committing a member's entries
constexpr const char* kLevelRange = "Level musi byt v rozsahu 1-100 !";
constexpr const char* kMaxHpRange = "Energie musi byt v rozsahu 1-999 !";
constexpr const char* kAttackRange = "Attack musi byt v rozsahu 1-999 !";
constexpr const char* kDefenseRange = "Defense musi byt v rozsahu 1-999 !";
constexpr const char* kSpeedRange = "Speed musi byt v rozsahu 1-999 !";
constexpr const char* kSpecialRange = "Special musi byt v rozsahu 1-999 !";
constexpr const char* kOtIdRange = "OT ID musi byt v rozsahu 0-65535 !";
constexpr const char* kExperienceRange = "Exp.Points musi byt v rozsahu 1-16777215 !";
constexpr const char* kNicknameLength = "Jmeno musi byt dlouhe 1-10 znaku !";
constexpr const char* kOtNameLength = "Jmeno OT musi byt dlouhe 1-10 znaku !";

// Writing the save
constexpr const char* kSaveBadSpecies = "Spatne cislo jednoho z tvych pokemonu !";
constexpr const char* kSaveUnwritable = "Soubor SAV nelze zapsat !";

// Member files
constexpr const char* kPkmWrongLength = "Spatna delka PKM souboru !";
constexpr const char* kPkmWrongMagic = "Spatny PKM soubor !";
constexpr const char* kPkmDamaged = "Poskozeny PKM soubor !";
constexpr const char* kPkmNoSuchSpecies = "Pokemon neexistuje ve verzich R/B/Y !";
constexpr const char* kPkmNoSuchMove = "Pokemon ma utok ktery neni v R/B/Y !";
constexpr const char* kPkmUnreadable = "Soubor PKM nelze precist !";
constexpr const char* kPkmUnwritable = "Soubor PKM nelze zapsat !";

}  // namespace msg
