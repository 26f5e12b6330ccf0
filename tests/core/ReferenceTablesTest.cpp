#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "core/EditorState.h"
#include "core/ReferenceMaps.h"
#include "core/ReferenceTables.h"

namespace {

using namespace core;

std::unique_ptr<EditorState> BuiltState() {
    auto state = std::make_unique<EditorState>();
    BuildReferenceMaps(*state);
    return state;
}

TEST(ReferenceTables, InternalIndexAndDexNumberInvertEachOtherOverTheWholeByteRange) {
    int species = 0;
    for (int i = 0; i < 256; ++i) {
        uint8_t dex = kDexOfInternal[i];
        if (dex == 0) continue;
        ++species;
        EXPECT_EQ(kInternalOfDex[dex], i) << "species byte " << i;
    }
    EXPECT_EQ(species, 151);
    for (int d = 1; d <= 151; ++d) EXPECT_EQ(kDexOfInternal[kInternalOfDex[d]], d) << "dex " << d;
    EXPECT_EQ(kInternalOfDex[0], 0);
    EXPECT_EQ(kDexOfInternal[0], 0);
    for (int d = 152; d < 256; ++d) EXPECT_EQ(kInternalOfDex[d], 0) << "dex " << d;
    for (int i = 191; i < 256; ++i) EXPECT_EQ(kDexOfInternal[i], 0) << "species byte " << i;
}

TEST(ReferenceTables, KnownSpeciesBytes) {
    struct Case { uint8_t dex; uint8_t internal; } cases[] = {
        {1, 153}, {25, 84}, {112, 1}, {150, 131}, {151, 21}, {132, 76}};
    for (auto c : cases) EXPECT_EQ(kInternalOfDex[c.dex], c.internal) << "dex " << int(c.dex);
    for (uint8_t none : {31, 32, 50, 115, 184, 190 + 1}) EXPECT_EQ(kDexOfInternal[none], 0) << int(none);
}

TEST(ReferenceTables, MoveRowsAreWellFormedStrictlyAscendingAndNumberEachMoveOnce) {
    EXPECT_STREQ(kMoveRows[0], "-NIC-        #000");
    EXPECT_STREQ(kMoveRows[1], "ABSORB       #071");
    EXPECT_STREQ(kMoveRows[165], "WRAP         #035");
    std::set<int> numbers;
    for (size_t r = 0; r < kMoveRowCount; ++r) {
        std::string row = kMoveRows[r];
        ASSERT_EQ(row.size(), 17u) << row;
        EXPECT_EQ(row[13], '#') << row;
        EXPECT_EQ(row[12], ' ') << row;
        for (size_t c = 0; c < 13; ++c)
            EXPECT_TRUE((row[c] >= 'A' && row[c] <= 'Z') || row[c] == ' ' || row[c] == '-') << row;
        numbers.insert(RowNumber(kMoveRows[r], kMoveNumberColumn));
        if (r >= 2) {
            EXPECT_LT(std::strcmp(kMoveRows[r - 1], kMoveRows[r]), 0) << row;
        }
    }
    EXPECT_EQ(numbers.size(), kMoveRowCount);
    EXPECT_EQ(*numbers.begin(), 0);
    EXPECT_EQ(*numbers.rbegin(), 165);
}

TEST(ReferenceTables, MovesUseTheGamesOwnNames) {
    auto state = BuiltState();
    struct Case { uint8_t number; const char* row; } cases[] = {
        {162, "SUPER FANG   #162"}, {86, "THUNDER WAVE #086"}, {77, "POISONPOWDER #077"},
        {136, "HI JUMP KICK #136"}, {3, "DOUBLESLAP   #003"},   {76, "SOLARBEAM    #076"},
        {38, "DOUBLE-EDGE  #038"},  {24, "DOUBLE KICK  #024"},  {165, "STRUGGLE     #165"}};
    for (auto c : cases) EXPECT_STREQ(state->moveRows[state->moveRowOfNumber[c.number]], c.row);
}

TEST(ReferenceTables, SpeciesRowsAreStrictlyAscendingAndNumberEachDexOnce) {
    EXPECT_STREQ(kSpeciesRows[0], "ABRA       #063");
    EXPECT_STREQ(kSpeciesRows[150], "ZUBAT      #041");
    std::set<int> numbers;
    for (size_t j = 0; j < kSpeciesRowCount; ++j) {
        std::string row = kSpeciesRows[j];
        ASSERT_EQ(row.size(), 15u) << row;
        EXPECT_EQ(row[11], '#') << row;
        for (size_t c = 0; c < 11; ++c)
            EXPECT_TRUE((row[c] >= 'A' && row[c] <= 'Z') || std::strchr(" '-.", row[c])) << row;
        numbers.insert(RowNumber(kSpeciesRows[j], kSpeciesNumberColumn));
        if (j >= 1) {
            EXPECT_LT(std::strcmp(kSpeciesRows[j - 1], kSpeciesRows[j]), 0) << row;
        }
    }
    EXPECT_EQ(numbers.size(), 151u);
    EXPECT_EQ(*numbers.begin(), 1);
    EXPECT_EQ(*numbers.rbegin(), 151);
}

TEST(ReferenceTables, SpeciesNamesAsTheGamesSpellThem) {
    auto state = BuiltState();
    struct Case { uint8_t dex; const char* row; } cases[] = {
        {1, "BULBASAUR  #001"},  {29, "NIDORAN F  #029"}, {32, "NIDORAN M  #032"}, {83, "FARFETCH'D #083"},
        {122, "MR.MIME    #122"}, {150, "MEWTWO     #150"}, {151, "MEW        #151"}};
    for (auto c : cases) EXPECT_STREQ(SpeciesRowTextOfDex(*state, c.dex), c.row);
}

TEST(ReferenceTables, TypePairsOfKnownSpecies) {
    struct Case { uint8_t dex; uint8_t first, second; } cases[] = {
        {1, 0x16, 0x03}, {6, 0x14, 0x02}, {25, 0x17, 0x17}, {94, 0x08, 0x03}, {149, 0x1A, 0x02}, {151, 0x18, 0x18}};
    for (auto c : cases) {
        EXPECT_EQ(kSpeciesTypes[c.dex - 1][0], c.first) << int(c.dex);
        EXPECT_EQ(kSpeciesTypes[c.dex - 1][1], c.second) << int(c.dex);
    }
    int same = 0;
    for (auto& pair : kSpeciesTypes) same += pair[0] == pair[1];
    EXPECT_EQ(same, 89);
}

TEST(ReferenceMaps, MoveMapsInvertEachOtherAndUnknownNumbersShowRowZero) {
    auto s = BuiltState();
    for (int r = 0; r < 166; ++r) EXPECT_EQ(s->moveRowOfNumber[s->moveNumberOfRow[r]], r);
    for (int n = 0; n <= 165; ++n) EXPECT_EQ(s->moveNumberOfRow[s->moveRowOfNumber[n]], n) << n;
    for (int n = 166; n < 256; ++n) EXPECT_EQ(s->moveRowOfNumber[n], 0) << n;
}

TEST(ReferenceMaps, SpeciesMapsInvertEachOtherInBothOrders) {
    auto s = BuiltState();
    for (bool alphabetical : {false, true, false}) {
        ApplySpeciesOrder(*s, alphabetical);
        SCOPED_TRACE(alphabetical ? "alphabetical" : "dex order");
        for (int p = 0; p < 151; ++p) EXPECT_EQ(s->speciesRowOfNumber[s->speciesNumberOfRow[p]], p);
        for (int d = 1; d <= 151; ++d) EXPECT_EQ(s->speciesNumberOfRow[s->speciesRowOfNumber[d]], d);
        EXPECT_EQ(s->speciesRowOfNumber[0], 0);
        for (int p = 0; p < 151; ++p)
            EXPECT_STREQ(SpeciesItemText(*s, uint8_t(p)), s->speciesRows[s->alphaSpeciesRowOfNumber[s->speciesNumberOfRow[p] - 1]]);
    }
    EXPECT_STREQ(SpeciesItemText(*s, 0), "BULBASAUR  #001");
    EXPECT_STREQ(SpeciesItemText(*s, 150), "MEW        #151");
}

TEST(ReferenceMaps, BackToAlphabeticalGivesExactlyTheBuiltMaps) {
    auto built = BuiltState();
    auto s = BuiltState();
    ApplySpeciesOrder(*s, false);
    ApplySpeciesOrder(*s, true);
    EXPECT_EQ(0, std::memcmp(s->speciesNumberOfRow, built->speciesNumberOfRow, sizeof s->speciesNumberOfRow));
    EXPECT_EQ(0, std::memcmp(s->speciesRowOfNumber, built->speciesRowOfNumber, sizeof s->speciesRowOfNumber));
}

}  // namespace
