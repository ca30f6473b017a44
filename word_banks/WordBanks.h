#pragma once
// The seven word banks: 7000 English words and phrases with their Japanese meanings, compiled into
// the program. Banks 1 (中学), 2–4 (高校) and 5–7 (大学) each hold 1000 entries in slots 1..1000
// of an English and a Japanese array; every slot reads as the empty string until LoadWordBank
// fills its bank. Fields are stored padded to their fixed widths (see Columns.h), so that they
// line up in fixed-pitch text. The windows load a bank right before they read it and copy what
// they need; nothing else writes the banks.

#include <QString>

#include <array>

constexpr int kBankCount = 7;
constexpr int kFirstSlot = 1;
constexpr int kLastSlot = 1000;
constexpr int kSlotsPerBank = 1011; // slots 0..1010; only 1..1000 are ever filled

// Fills slots 1..1000 of bank 1..7 with its fixed content. Loading again changes nothing.
void LoadWordBank(int bank);

// A copy of a field exactly as stored, padding included; empty outside the filled slots.
QString BankEnglish(int bank, int slot);
QString BankJapanese(int bank, int slot);

// The banks of a level (1 中学, 2 高校, 3 大学), one for each of a window's three lists.
constexpr std::array<int, 3> levelBanks(int level)
{
    switch (level) {
    case 1:
        return {1, 1, 1};
    case 2:
        return {2, 3, 4};
    default:
        return {5, 6, 7};
    }
}
