// Prints every filled slot as "bank<TAB>slot<TAB>english<TAB>japanese", exactly as loaded (padding
// included), so that the vocabulary can be reviewed outside the program.

#include "WordBanks.h"

#include <QTextStream>

int main()
{
    QTextStream out(stdout);
    out.setEncoding(QStringConverter::Utf8);
    for (int bank = 1; bank <= kBankCount; ++bank) {
        LoadWordBank(bank);
        for (int slot = kFirstSlot; slot <= kLastSlot; ++slot)
            out << bank << '\t' << slot << '\t' << BankEnglish(bank, slot) << '\t'
                << BankJapanese(bank, slot) << '\n';
    }
    return 0;
}
