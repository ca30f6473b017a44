#pragma once
// What the drill's tests share: the fields a question shows, and the draws that make it.

#include "Fakes.h"
#include "WordBanks.h"

inline QString english(int bank, int slot)
{
    LoadWordBank(bank);
    return BankEnglish(bank, slot);
}

inline QString japanese(int bank, int slot)
{
    LoadWordBank(bank);
    return BankJapanese(bank, slot);
}

// Scripts the draws of one question at 00:00:00, where a first draw of 2 makes one discard pick:
// that pick is the question word, which goes into `slot`; the distractors come from a fixed set.
inline void scriptQuestion(ScriptedRandom &random, int question, int slot)
{
    random.queuePick(2, 1000);
    random.queuePick(question, 1000);
    for (int k = 0; k < 5; ++k)
        random.queuePick(question + 100 + k <= 1000 ? question + 100 + k : k + 1, 1000);
    random.queuePick(slot, 5);
}
