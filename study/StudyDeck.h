#pragma once
// The study window's cards: the three study lists of a level and the pick of the next card. Both
// are plain data and arithmetic, apart from the widgets, so that a pick's draws can be checked one
// by one.

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

class RandomSource;

struct StudyCard
{
    QString front;
    QString back;
};

// Three lists of entries 1..1000 (slot 0 stays empty), each side padded as the banks store it.
using StudyList = std::vector<StudyCard>;
using StudyLists = std::array<StudyList, 3>;

// The level of a level caption: 1 for 中学, 2 for 高校, 3 for 大学, 0 for anything else.
int levelOfText(const QString &levelText);

// Loads the level's banks and copies their entries, Japanese in front for "和英", English in front
// for anything else.
StudyLists fillStudyLists(int level, const QString &direction);

// Seconds per side for a pace text: only the exact items " 0.5", " 1.0", " 2.0" and " 3.0" count,
// leading blank included; anything else gives 1.0.
float paceOfText(const QString &paceText);

// Picks cards with replacement from the three lists. The list number survives from pick to pick:
// a pick that makes no pass of draws keeps the list of the previous one.
class CardPicker
{
  public:
    // Draws the multiplier and the entry, works out the discard count from the time of day
    // ("hh:mm:ss") and makes that many passes of four draws; then copies the card if a list has
    // ever been drawn.
    void pick(RandomSource &random, const QString &timeText, const StudyLists &lists);

    std::int16_t listNumber() const { return m_listNumber; }
    std::int16_t entryNumber() const { return m_entryNumber; }
    std::int16_t discardCount() const { return m_discardCount; }
    const StudyCard &card() const { return m_card; }

  private:
    std::int16_t m_listNumber = 0;
    std::int16_t m_entryNumber = 0;
    std::int16_t m_discardCount = 0;
    StudyCard m_card;
};
