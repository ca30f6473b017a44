#include "DrillSession.h"

#include "DrillLogic.h"

#include <algorithm>
#include <limits>

void DrillSession::selectLevel(int level)
{
    m_abandoned = true;
    m_buttons.next = false;
    m_buttons.start = true;
    m_buttons.review = false;

    m_level = QString::number(level);
    m_listSize = kLastSlot;
    takeLevelEntries(levelBanks(level), directionOfText(m_direction),
                     [&](std::size_t list, int slot, QString question, QString answer) {
                         m_levelLists[list][slot] = {std::move(question), std::move(answer)};
                     });
    if (m_rotation >= 1 && m_rotation <= 3) {
        const WordList &source = m_levelLists[m_rotation - 1];
        std::copy(source.begin() + 1, source.begin() + 1 + m_listSize, m_testList.begin() + 1);
    }
}

void DrillSession::rebuildLevel()
{
    const int level = m_level.toInt();
    if (level >= 1 && level <= kLevelCount)
        selectLevel(level);
}

void DrillSession::setTestLength(int length)
{
    m_testLength = std::int16_t(length);
    m_abandoned = true;
    m_buttons.next = false;
    m_buttons.start = true;
    m_buttons.review = false;
}

void DrillSession::setDirection(const QString &direction)
{
    m_direction = direction;
    rebuildLevel();
    m_buttons.review = true;
}

void DrillSession::startTest()
{
    if (++m_rotation > 3)
        m_rotation = 1;
    rebuildLevel();
    m_abandoned = false;
    m_buttons.next = true;
    m_buttons.answers = false;
    m_buttons.review = false;
    m_buttons.results = false;
    m_buttons.boxes = true;
    m_questionNumber = 0;
    m_pressCount = 0;
    m_rightCount = 0;
    m_results.correctList.clear();
    m_results.incorrectList.clear();
}

bool DrillSession::next()
{
    m_buttons.start = false;
    m_buttons.answers = true;
    return m_questionNumber == m_testLength;
}

QuestionView DrillSession::askNextQuestion(RandomSource &random, const Clock &clock)
{
    const DrawnQuestion drawn = drawQuestion(random, clock, m_listSize);
    m_answerSlot = std::int16_t(drawn.answerSlot);
    Record &record = m_records[std::size_t(m_questionNumber)];
    record.question = std::int16_t(drawn.question);
    QuestionView view;
    view.question = m_testList[std::size_t(drawn.question)].question;
    for (std::size_t k = 0; k < view.choices.size(); ++k) {
        record.choices[k] = std::int16_t(drawn.choices[k]);
        view.choices[k] = m_testList[std::size_t(drawn.choices[k])].answer;
    }
    // The question is English in 英和, the choices in 和英.
    const Row &question = m_testList[std::size_t(drawn.question)];
    view.english[0] = englishFirst() ? question.question : QString();
    for (std::size_t k = 0; k < view.choices.size(); ++k)
        view.english[k + 1] = englishFirst() ? QString() : view.choices[k];
    ++m_questionNumber;
    view.score = scoreBoxText(m_rightCount, m_questionNumber);
    m_pressCount = 0;
    return view;
}

DrillSession::Answer DrillSession::answer(int choice)
{
    Answer answer{choice == m_answerSlot, std::nullopt};
    if (m_pressCount == 0 && !m_abandoned) {
        const Record &record = m_records[std::size_t(std::max(0, m_questionNumber - 1))];
        const Row &row = m_testList[std::size_t(record.question)];
        if (answer.right) {
            ++m_rightCount;
            answer.score = scoreBoxText(m_rightCount, m_questionNumber);
            m_results.correctList += answerListLine(true, row.question, row.answer);
        } else {
            m_results.incorrectList += answerListLine(false, row.question, row.answer);
        }
    }
    // Only whether any press was made counts; stop short of overflowing.
    if (m_pressCount < std::numeric_limits<std::int16_t>::max())
        ++m_pressCount;
    return answer;
}

QString DrillSession::finalScore() const
{
    return signedNumber(testScore(m_rightCount, m_questionNumber));
}

void DrillSession::finishTest()
{
    m_results.scoreText = finalScore();
    m_buttons.next = false;
    m_buttons.answers = false;
    m_buttons.review = true;
    m_buttons.results = true;
}

DrillSession::Review DrillSession::review(int step)
{
    // ← stops only at 1, so the records of an earlier, longer test stay reachable.
    const int moved = m_questionNumber + step;
    m_questionNumber =
        std::int16_t(step < 0 ? std::max(moved, 1) : std::min(moved, int(m_testLength)));
    const Record &record = m_records[std::size_t(m_questionNumber - 1)];
    Review review;
    review.number = QString::number(m_questionNumber);
    review.question = m_testList[std::size_t(record.question)].question;
    review.english[0] = englishFirst() ? review.question : QString();
    for (std::size_t j = 0; j < review.choices.size(); ++j) {
        const Row &row = m_testList[std::size_t(record.choices[j])];
        review.choices[j] = row.question + u' ' + row.answer;
        // Each choice shows both sides.
        review.english[j + 1] = englishFirst() ? row.question : row.answer;
        // A later match overwrites an earlier one.
        if (record.choices[j] == record.question)
            review.markedChoice = int(j) + 1;
    }
    m_buttons.start = true;
    return review;
}

void DrillSession::resultsShown()
{
    m_buttons.start = true;
}

bool DrillSession::englishFirst() const
{
    return directionOfText(m_direction) == Direction::EnglishToJapanese;
}
