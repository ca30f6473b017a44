#pragma once
// The study window (学習): random words of a level as flash cards, front then back, drawn on a
// black card surface in one of three styles at a chosen pace. The cards come from StudyDeck, the
// drawing from CardStyles on an ImageCanvas; this class owns the controls and the session loop.
// A session runs inside the 開　始 handler and yields only inside WaitTimer, where the handlers of
// every window, a second 開　始 included, may run.
//
// The drill window keeps one Form5 for the life of the program: closing only hides it, and the
// list number and the other fields carry over to the next opening, which applies the defaults.

#include "CardStyles.h"
#include "Layout.h"
#include "StudyDeck.h"

#include <QWidget>

#include <cstdint>

struct Platform;
class CardSurface;
class QAction;
class QComboBox;

class Form5 final : public QWidget
{
    Q_OBJECT
  public:
    static const WindowLayout kLayout;

    explicit Form5(Platform &platform);
    ~Form5() override;

    // Opens the window with its defaults (Form_Load) unless it is open already; then brings it
    // to the front.
    void showWindow();

    // Waits `seconds` while the program handles the events of every window. It runs its full
    // length once begun, unless the window closes or the application quits meanwhile. Returns
    // the clock reading at the end.
    double WaitTimer(float seconds);

    static constexpr std::int16_t kStopMark = 29999;
    static constexpr std::int16_t kLastCard = 10000;

    std::int16_t wordCounter() const { return m_wordCounter; }
    const CardPicker &picker() const { return m_picker; }

  protected:
    void closeEvent(QCloseEvent *event) override;

  private:
    void Form_Load();
    void Option4_Click();
    void Option5_Click();
    void Option91_Click();
    void Option92_Click();
    void Option93_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    void chooseDirection(const QString &direction);
    void chooseLevel(const QString &level);
    // True while the session begun in opening `opening` may go on drawing and waiting.
    bool sessionAlive(std::uint32_t opening) const;
    // Shows the current card in the style, front then back, with its waits; false when the
    // session has to end (stop mark, window closed, application quitting). After false the
    // window may be gone.
    bool showCard(CardStyle style, std::uint32_t opening);
    // Notes the English of a side about to be drawn, and reads it aloud when asked to.
    void showingSide(CardSide side);

    Platform &m_platform;
    CardSurface *m_surface = nullptr;
    QComboBox *m_pace = nullptr;
    QComboBox *m_style = nullptr;
    QAction *m_readAloud = nullptr;
    // The English side of the card shown, once it has appeared; empty before.
    QString m_shownEnglish;

    QString m_direction;
    QString m_level;
    StudyLists m_lists;
    CardPicker m_picker;
    std::int16_t m_wordCounter = 0;
    float m_paceSeconds = 1.0f;
    StartPositions m_starts;

    bool m_open = false;
    // Counts the closings, so that a session begun before a closing never resumes after a
    // reopening that happened inside one of its waits.
    std::uint32_t m_opening = 0;
    bool m_quitting = false;
};
