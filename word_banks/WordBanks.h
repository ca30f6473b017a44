#pragma once
// The seven word banks: 7000 English words and phrases with their Japanese meanings, compiled into
// the program. Banks 1 (中学), 2–4 (高校) and 5–7 (大学) each hold 1000 entries in slots 1..1000
// of an English and a Japanese array; every slot reads as the empty string until LoadWordBank
// fills its bank. Fields are stored padded to their fixed widths (see Columns.h), so that they
// line up in fixed-pitch text. The windows load a bank right before they read it and copy what
// they need; nothing else writes the banks.

#include <QString>
#include <QStringView>

#include <array>
#include <span>
#include <utility>

constexpr int kBankCount = 7;
constexpr int kFirstSlot = 1;
constexpr int kLastSlot = 1000;
constexpr int kSlotsPerBank = 1011; // slots 0..1010; only 1..1000 are ever filled

// Fills slots 1..1000 of bank 1..7 with its fixed content. Loading again changes nothing.
void LoadWordBank(int bank);

// A copy of a field exactly as stored, padding included; empty outside the filled slots.
QString BankEnglish(int bank, int slot);
QString BankJapanese(int bank, int slot);

// Which side of an entry comes first: 英和 shows the English field first, 和英 the Japanese.
enum class Direction
{
    EnglishToJapanese,
    JapaneseToEnglish,
};

// The direction a window's direction text names: "和英", and 英和 for any other text.
Direction directionOfText(QStringView text);

// The banks of each level (1 中学, 2 高校, 3 大学), one for each of a window's three lists: 中学
// fills all three from bank 1. Every window reads this one table.
constexpr int kLevelCount = 3;
constexpr std::array<std::array<int, 3>, kLevelCount> kLevelBanks = {
    {{1, 1, 1}, {2, 3, 4}, {5, 6, 7}}};

// The banks of a level 1..3; any other level is read as 大学.
constexpr const std::array<int, 3> &levelBanks(int level)
{
    return kLevelBanks[std::size_t(level >= 1 && level <= kLevelCount ? level : kLevelCount) - 1];
}

// The banks of a level, each once and in order (中学: bank 1 alone).
constexpr std::span<const int> distinctLevelBanks(int level)
{
    const std::array<int, 3> &banks = levelBanks(level);
    return std::span(banks).first(banks[0] == banks[1] ? 1 : banks.size());
}

// Hands a level's entries to `take(list, slot, first, second)`: for each bank of `banks` in turn
// (list is its index there), loads it right before reading it, then passes slots 1..1000 in
// order, the side the direction shows first as `first`, both padded as stored. Each window calls
// this to fill lists of its own; nothing keeps the entries in between.
template <typename Take>
void takeLevelEntries(std::span<const int> banks, Direction direction, Take &&take)
{
    for (std::size_t list = 0; list < banks.size(); ++list) {
        const int bank = banks[list];
        LoadWordBank(bank);
        for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
            QString english = BankEnglish(bank, slot);
            QString japanese = BankJapanese(bank, slot);
            if (direction == Direction::JapaneseToEnglish)
                take(list, slot, std::move(japanese), std::move(english));
            else
                take(list, slot, std::move(english), std::move(japanese));
        }
    }
}
