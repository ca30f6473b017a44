#include "StudyDeck.h"

#include "DiscardCount.h"
#include "RandomSource.h"
#include "WordBanks.h"

int levelOfText(const QString &levelText)
{
    if (levelText == u"中学")
        return 1;
    if (levelText == u"高校")
        return 2;
    if (levelText == u"大学")
        return 3;
    return 0;
}

StudyLists fillStudyLists(int level, const QString &direction)
{
    StudyLists lists;
    for (StudyList &list : lists)
        list.assign(kLastSlot + 1, StudyCard{});
    takeLevelEntries(levelBanks(level), directionOfText(direction),
                     [&](std::size_t list, int slot, QString front, QString back) {
                         lists[list][std::size_t(slot)] = {std::move(front), std::move(back)};
                     });
    return lists;
}

float paceOfText(const QString &paceText)
{
    float pace = 1.0f;
    if (paceText == u" 0.5")
        pace = 0.5f;
    if (paceText == u" 1.0")
        pace = 1.0f;
    if (paceText == u" 2.0")
        pace = 2.0f;
    if (paceText == u" 3.0")
        pace = 3.0f;
    return pace;
}

void CardPicker::pick(RandomSource &random, const QString &timeText, const StudyLists &lists)
{
    const int multiplier = ::pick(random, 1000);
    m_entryNumber = std::int16_t(::pick(random, 1000));
    m_discardCount = std::int16_t(
        ::discardCount(multiplier, secondsOfTimeText(timeText), minutesOfTimeText(timeText)));
    for (int pass = 0; pass < m_discardCount; ++pass) {
        m_entryNumber = std::int16_t(::pick(random, 1000));
        m_listNumber = std::int16_t(::pick(random, 3));
        // Two more draws that nothing reads; they keep the sequence of numbers in step.
        drawInRange(random, 7, 9);
        drawInRange(random, 7, 9);
    }
    if (m_listNumber < 1 || m_listNumber > 3)
        return;
    const StudyList &list = lists[std::size_t(m_listNumber - 1)];
    if (std::size_t(m_entryNumber) < list.size())
        m_card = list[std::size_t(m_entryNumber)];
}
