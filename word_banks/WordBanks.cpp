#include "WordBanks.h"

#include "WordBankData.h"

namespace {
using Bank = std::array<QString, kSlotsPerBank>;
std::array<Bank, kBankCount> g_english;
std::array<Bank, kBankCount> g_japanese;

bool validSlot(int bank, int slot)
{
    return bank >= 1 && bank <= kBankCount && slot >= 0 && slot < kSlotsPerBank;
}

// The fields live in static storage for the whole run, so a slot can refer to them in place.
QString fromStorage(std::u16string_view field)
{
    return QString::fromRawData(reinterpret_cast<const QChar *>(field.data()),
                                qsizetype(field.size()));
}
} // namespace

void LoadWordBank(int bank)
{
    if (bank < 1 || bank > kBankCount)
        return;
    const auto &content = kWordBankFields[bank - 1];
    Bank &english = g_english[bank - 1];
    Bank &japanese = g_japanese[bank - 1];
    for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
        english[slot] = fromStorage(content[slot - 1][0]);
        japanese[slot] = fromStorage(content[slot - 1][1]);
    }
}

QString BankEnglish(int bank, int slot)
{
    return validSlot(bank, slot) ? g_english[bank - 1][slot] : QString();
}

QString BankJapanese(int bank, int slot)
{
    return validSlot(bank, slot) ? g_japanese[bank - 1][slot] : QString();
}

Direction directionOfText(QStringView text)
{
    return text == u"和英" ? Direction::JapaneseToEnglish : Direction::EnglishToJapanese;
}
