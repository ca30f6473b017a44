#include "Form5.h"

#include "CardStyles.h"
#include "CardSurface.h"
#include "Clock.h"
#include "Fonts.h"
#include "Layout.h"
#include "Platform.h"
#include "RandomSource.h"
#include "Speaker.h"
#include "SpeechEntry.h"
#include "SpokenEnglish.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QEventLoop>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>

namespace {
// clang-format off
constexpr ControlRow kControls[] = {
    {"Picture1", Kind::Picture, "",       u"",           240, 240, 11175, 7095, 0, {}},
    {"Frame2",   Kind::Frame,   "",       u"学習レベル", 2640, 7440, 2535, 735, 4, {}},
    {"Option91", Kind::Option,  "Frame2", u"中学",       240, 240, 735, 375, 7, {}},
    {"Option92", Kind::Option,  "Frame2", u"高校",       960, 240, 735, 375, 6, {}},
    {"Option93", Kind::Option,  "Frame2", u"大学",       1680, 240, 735, 375, 5, {}},
    {"Frame4",   Kind::Frame,   "",       u"表示間隔",   5400, 7440, 1455, 735, 11, {}},
    {"Combo1",   Kind::Combo,   "Frame4", u" 1.0",       280, 280, 735, 300, 12, {}},
    {"Label1",   Kind::Label,   "Frame4", u"秒",         1080, 360, 255, 255, 15, {}},
    {"Frame5",   Kind::Frame,   "",       u"表示模様",   7080, 7440, 1215, 735, 13, {}},
    {"Combo2",   Kind::Combo,   "Frame5", u"白黒",       240, 280, 735, 300, 14, {}},
    {"Frame3",   Kind::Frame,   "",       u"表示モード", 8520, 7440, 1695, 735, 8, {}},
    {"Option4",  Kind::Option,  "Frame3", u"英和",       120, 240, 735, 375, 9, {}},
    {"Option5",  Kind::Option,  "Frame3", u"和英",       840, 240, 735, 375, 10, {}},
    {"Command1", Kind::Button,  "",       u"開　始",     240, 7560, 975, 550, 1, {}},
    {"Command3", Kind::Button,  "",       u"中　断",     1440, 7560, 975, 550, 3, {}},
    {"Command2", Kind::Button,  "",       u"戻　る",     10440, 7560, 975, 550, 2, {}},
};
// clang-format on

constexpr ClientArea kClientArea{11640, 8415};
constexpr int kDefaultPaceItem = 1;  // " 1.0"
constexpr int kDefaultStyleItem = 0; // "白黒"
// The shortest step of a wait: a reading equal to the end is not yet past it.
constexpr double kShortestStep = 0.001;

const QString kEnglishToJapanese = QStringLiteral("英和");
const QString kJapaneseToEnglish = QStringLiteral("和英");

// True once the application has been told to quit: every event loop started from then on returns
// at once, so a wait must not go on asking for events (it would spin).
bool applicationQuitting()
{
    if (!QCoreApplication::instance() || QCoreApplication::closingDown())
        return true;
    QEventLoop probe;
    QTimer::singleShot(0, &probe, [&probe] { probe.exit(0); });
    return probe.exec() != 0;
}
} // namespace

constinit const WindowLayout Form5::kLayout{kClientArea, kGothic9, kControls};

Form5::Form5(Platform &platform) : QWidget(nullptr), m_platform(platform)
{
    setWindowTitle(QStringLiteral("学習"));
    setFont(layoutFont(kLayout.font));
    // The study window shows no icon, not even the program's.
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    setWindowIcon(QIcon(blank));
    // A sizable border; the controls keep their places and sizes whatever the size. The layout
    // needs the size to tell which controls lie outside; every opening sets it again.
    resize(twipsToPixels(kLayout.clientArea.width), twipsToPixels(kLayout.clientArea.height));

    QWidget *first =
        buildLayout(this, kLayout.controls, [this](const ControlRow &row, QWidget *parent) {
            m_surface =
                new CardSurface(QSize(twipsToPixels(row.width), twipsToPixels(row.height)), parent);
            return m_surface;
        });
    Q_ASSERT(first == m_surface);
    Q_UNUSED(first);
    // For screen readers; the combo boxes need no name, their frames' captions label them.
    m_surface->setAccessibleName(QStringLiteral("学習カード"));

    m_pace = findChild<QComboBox *>(QStringLiteral("Combo1"));
    m_style = findChild<QComboBox *>(QStringLiteral("Combo2"));
    int data = 0;
    for (const char16_t *item : {u" 0.5", u" 1.0", u" 2.0", u" 3.0"})
        m_pace->addItem(QString::fromUtf16(item), data++);
    for (const char16_t *item : {u"白黒", u"円形", u"立体"})
        m_style->addItem(QString::fromUtf16(item), 0);
    for (QComboBox *combo : {m_pace, m_style}) {
        // The typed text stays as typed: no completion, and Enter adds no item.
        combo->setCompleter(nullptr);
        combo->setInsertPolicy(QComboBox::NoInsert);
    }

    onClicked(this, "Option4", &Form5::Option4_Click);
    onClicked(this, "Option5", &Form5::Option5_Click);
    onClicked(this, "Option91", &Form5::Option91_Click);
    onClicked(this, "Option92", &Form5::Option92_Click);
    onClicked(this, "Option93", &Form5::Option93_Click);
    onClicked(this, "Command1", &Form5::Command1_Click);
    onClicked(this, "Command2", &Form5::Command2_Click);
    onClicked(this, "Command3", &Form5::Command3_Click);

    m_readAloud = new QAction(QStringLiteral("英語を読み上げる"), this);
    m_readAloud->setCheckable(true);
    addSpeechShortcut(this, platform.speaker, [this] { return spokenEnglish(m_shownEnglish); });
    addSpeechMenu(m_surface, platform.speaker,
                  [this](QPoint) { return spokenEnglish(m_shownEnglish); }, {m_readAloud});
}

Form5::~Form5() = default;

void Form5::showWindow()
{
    if (!m_open) {
        m_open = true;
        Form_Load();
        // Each opening starts at the default size in the normal state, whatever the last left.
        setWindowState(Qt::WindowNoState);
        resize(twipsToPixels(kLayout.clientArea.width), twipsToPixels(kLayout.clientArea.height));
        centreOnScreen(this);
    }
    show();
    raise();
    activateWindow();
}

void Form5::closeEvent(QCloseEvent *event)
{
    // Whichever way the window closes, a running session ends and draws nothing more.
    m_wordCounter = kStopMark;
    if (m_open) {
        m_open = false;
        ++m_opening;
    }
    QWidget::closeEvent(event);
}

void Form5::Form_Load()
{
    findChild<QRadioButton *>(QStringLiteral("Option4"))->setChecked(true);
    findChild<QRadioButton *>(QStringLiteral("Option92"))->setChecked(true);
    m_pace->setCurrentIndex(kDefaultPaceItem);
    m_style->setCurrentIndex(kDefaultStyleItem);
    m_surface->canvas().clear();
    m_shownEnglish.clear();
    m_readAloud->setChecked(false);
    m_surface->setFocus();

    Option4_Click();
    Option92_Click();
}

void Form5::chooseDirection(const QString &direction)
{
    m_wordCounter = kStopMark;
    m_direction = direction;
    if (levelOfText(m_level) != 0)
        chooseLevel(m_level);
}

void Form5::chooseLevel(const QString &level)
{
    m_wordCounter = kStopMark;
    m_level = level;
    m_lists = fillStudyLists(levelOfText(level), m_direction);
}

void Form5::Option4_Click()
{
    chooseDirection(kEnglishToJapanese);
}

void Form5::Option5_Click()
{
    chooseDirection(kJapaneseToEnglish);
}

void Form5::Option91_Click()
{
    chooseLevel(QStringLiteral("中学"));
}

void Form5::Option92_Click()
{
    chooseLevel(QStringLiteral("高校"));
}

void Form5::Option93_Click()
{
    chooseLevel(QStringLiteral("大学"));
}

void Form5::Command3_Click()
{
    m_wordCounter = kStopMark;
}

void Form5::Command2_Click()
{
    // Only hides: a session further down the stack still runs on this object and ends at once.
    m_wordCounter = kStopMark;
    close();
}

bool Form5::sessionAlive(std::uint32_t opening) const
{
    return m_open && m_opening == opening && !m_quitting;
}

double Form5::WaitTimer(float seconds)
{
    // Handlers of every window run inside this wait; any of them may close or even destroy this
    // window, so nothing here touches the object without checking it first.
    QPointer<Form5> self(this);
    Clock &clock = m_platform.clock;
    const std::uint32_t opening = m_opening;
    // Double precision: a single-precision reading of a clock that has run for days would turn a
    // 0.02 s step into tens of milliseconds.
    const double end = clock.monotonicSeconds() + double(seconds);
    for (;;) {
        if (!self || !self->m_open || self->m_opening != opening)
            break;
        if (applicationQuitting()) {
            if (self)
                self->m_quitting = true;
            break;
        }
        // Read after the quit check, which itself runs pending handlers that may take a while.
        const double now = clock.monotonicSeconds();
        if (end < now)
            break;
        clock.processEventsFor(std::max(end - now, kShortestStep));
    }
    return clock.monotonicSeconds();
}

bool Form5::showCard(CardStyle style, std::uint32_t opening)
{
    QPointer<Form5> self(this);
    const DrawWait wait = [self, opening](float seconds) {
        if (!self)
            return false;
        self->WaitTimer(seconds);
        return self && self->sessionAlive(opening);
    };

    // Both start positions are worked out with the front, the back uses them as they stand then.
    if (style != CardStyle::Circles) {
        m_starts = startPositions(m_picker.card().front, m_picker.card().back, m_direction);
    }
    showingSide(CardSide::Front);
    if (!drawCardSide(style, CardSide::Front, m_surface->canvas(), m_platform.random,
                      m_picker.card().front, m_starts.front, wait))
        return false;
    if (m_wordCounter == kStopMark || !wait(m_paceSeconds))
        return false;
    showingSide(CardSide::Back);
    if (!drawCardSide(style, CardSide::Back, m_surface->canvas(), m_platform.random,
                      m_picker.card().back, m_starts.back, wait))
        return false;
    if (m_wordCounter == kStopMark || !wait(m_paceSeconds))
        return false;
    return wait(0.2f);
}

void Form5::showingSide(CardSide side)
{
    // The lists put the English in front for every direction but 和英.
    const bool englishInFront = m_direction != kJapaneseToEnglish;
    if (side == CardSide::Front)
        m_shownEnglish.clear();
    if ((side == CardSide::Front) != englishInFront)
        return;
    m_shownEnglish = side == CardSide::Front ? m_picker.card().front : m_picker.card().back;
    if (m_readAloud->isChecked())
        m_platform.speaker.say(spokenEnglish(m_shownEnglish));
}

void Form5::Command1_Click()
{
    const std::uint32_t opening = m_opening;
    if (!m_open)
        return;
    m_quitting = false;
    // The 1000 × 1000 user scale is the canvas's own and needs no setting here.
    m_wordCounter = 1;
    while (m_wordCounter <= kLastCard && m_wordCounter != kStopMark) {
        // A style text that names no style would show nothing and wait nowhere, so the session
        // would race through its remaining cards and freeze the program: it ends instead, before
        // its card is picked.
        if (!styleOfText(m_style->currentText()))
            return;
        m_paceSeconds = paceOfText(m_pace->currentText());
        m_picker.pick(m_platform.random, m_platform.clock.timeOfDayText(), m_lists);
        // Each test reads the style anew: a style chosen during one showing shows the same card
        // again in that style when it comes later in this order.
        for (const CardStyle style : {CardStyle::Circles, CardStyle::Slide, CardStyle::Layers}) {
            if (m_style->currentText() == styleName(style) && !showCard(style, opening))
                return;
        }
        if (m_wordCounter == kStopMark)
            return;
        ++m_wordCounter;
    }
}
