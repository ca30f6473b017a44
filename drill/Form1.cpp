#include "Form1.h"

#include "AppInfo.h"
#include "Dialogs.h"
#include "Form2.h"
#include "Form4.h"
#include "Form5.h"
#include "Layout.h"
#include "MediaPlayer.h"
#include "MyPath.h"
#include "SpeechEntry.h"
#include "SpokenEnglish.h"
#include "UrlOpener.h"
#include "frmAbout.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

#include <string_view>
#include <utility>

namespace {
// For screen readers: the boxes have no caption, and the arrows say nothing on their own.
constexpr AccessibleName kAccessibleNames[] = {
    {"Text1", u"点数"},
    {"Text2", u"選択肢１"},
    {"Text3", u"選択肢２"},
    {"Text4", u"選択肢３"},
    {"Text5", u"選択肢４"},
    {"Text6", u"選択肢５"},
    {"Text12", u"選択肢１の判定"},
    {"Text13", u"選択肢２の判定"},
    {"Text14", u"選択肢３の判定"},
    {"Text15", u"選択肢４の判定"},
    {"Text16", u"選択肢５の判定"},
    {"Command10", u"前の問題（←）"},
    {"Command11", u"次の問題（→）"},
};

const QString kTitle = QStringLiteral("コトハナ 7000語");

// A text box in its disabled or enabled state with the window-background colour behind its text.
void setBoxEnabled(QLineEdit *box, bool enabled)
{
    box->setEnabled(enabled);
    QPalette palette = box->palette();
    const QColor background = QApplication::palette().color(QPalette::Active, QPalette::Base);
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, background);
    box->setPalette(palette);
}

// Each button's and option's click handler.
constexpr std::pair<std::string_view, void (Form1::*)()> kHandlers[] = {
    {"Option91", &Form1::Option91_Click},   {"Option92", &Form1::Option92_Click},
    {"Option93", &Form1::Option93_Click},   {"Option1", &Form1::Option1_Click},
    {"Option2", &Form1::Option2_Click},     {"Option3", &Form1::Option3_Click},
    {"Option4", &Form1::Option4_Click},     {"Option5", &Form1::Option5_Click},
    {"Option6", &Form1::Option6_Click},     {"Command8", &Form1::Command8_Click},
    {"Command1", &Form1::Command1_Click},   {"Command2", &Form1::Command2_Click},
    {"Command3", &Form1::Command3_Click},   {"Command4", &Form1::Command4_Click},
    {"Command5", &Form1::Command5_Click},   {"Command6", &Form1::Command6_Click},
    {"Command10", &Form1::Command10_Click}, {"Command11", &Form1::Command11_Click},
    {"Command21", &Form1::Command21_Click}, {"Command22", &Form1::Command22_Click},
    {"Command23", &Form1::Command23_Click}, {"Command99", &Form1::Command99_Click},
    {"Command9", &Form1::Command9_Click},   {"Command7", &Form1::Command7_Click},
};

// Shows a secondary window and brings it to the front.
void showWindow(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

// Shows a secondary window: creates it on first use, otherwise only brings it to the front.
template <typename Window> void showWindow(QPointer<Window> &window, Platform &platform)
{
    if (!window)
        window = new Window(platform);
    showWindow(window.data());
}
} // namespace

Form1::Form1(Platform &platform, QWidget *parent) : QWidget(parent), m_platform(platform)
{
    setFont(layoutFont(kLayout.font));
    setWindowIcon(programIcon());
    setFixedClientArea(this, kLayout.clientArea);
    QWidget *first = buildLayout(this, kLayout.controls);
    setAccessibleNames(this, kAccessibleNames);

    m_questionLabel = findChild<QLabel *>(QStringLiteral("Label1"));
    for (int k = 0; k < 5; ++k) {
        m_choiceBoxes[k] = box(QStringLiteral("Text%1").arg(k + 2).toLatin1().constData());
        m_markBoxes[k] = box(QStringLiteral("Text%1").arg(k + 12).toLatin1().constData());
        m_answerButtons[k] = button(QStringLiteral("Command%1").arg(k + 2).toLatin1().constData());
    }
    for (const char *name : {"Option92", "Option1", "Option3", "Option5"})
        findChild<QRadioButton *>(QLatin1String(name))->setChecked(true);

    for (const auto &[control, handler] : kHandlers)
        onClicked(this, control, handler);
    addKeys();

    Speaker &speaker = m_platform.speaker;
    addSpeechShortcut(this, speaker, [this] { return spokenEnglish(focusedEnglish()); });
    addSpeechMenu(m_questionLabel, speaker,
                  [this](QPoint) { return spokenEnglish(m_shownEnglish[0]); });
    for (int k = 0; k < 5; ++k) {
        addSpeechMenu(m_choiceBoxes[k], speaker,
                      [this, k](QPoint) { return spokenEnglish(m_shownEnglish[k + 1]); });
    }

    Form_Load();
    centreOnScreen(this);
    if (first)
        first->setFocus();
}

Form1::~Form1()
{
    // The secondary windows have no owner; those still open go with the drill window, before the
    // application and the services they use.
    delete m_results;
    delete m_dictionary;
    delete m_about;
}

void Form1::addKeys()
{
    // A whole test from the keyboard. Qt's text boxes claim the keys typed into them first, so a
    // digit typed into a choice box stays there; PageUp and PageDown leave the arrow keys to the
    // option buttons and the text boxes.
    for (int k = 0; k < 5; ++k) {
        m_answerButtons[k]->setShortcut(QKeySequence(Qt::Key_1 + k));
        m_answerButtons[k]->setToolTip(QStringLiteral("%1 キー").arg(k + 1));
    }
    QPushButton *next = button("Command1");
    next->setShortcut(QKeySequence(Qt::Key_Return));
    // The keypad's Enter is a key of its own.
    connect(new QShortcut(QKeySequence(Qt::Key_Enter), this), &QShortcut::activated, next, [next] {
        if (next->isEnabled())
            next->animateClick();
    });
    next->setToolTip(QStringLiteral("Enter キー"));
    button("Command10")->setShortcut(QKeySequence(Qt::Key_PageUp));
    button("Command10")->setToolTip(QStringLiteral("PageUp キー"));
    button("Command11")->setShortcut(QKeySequence(Qt::Key_PageDown));
    button("Command11")->setToolTip(QStringLiteral("PageDown キー"));
}

QString Form1::focusedEnglish() const
{
    for (int k = 0; k < 5; ++k) {
        const bool focused = m_choiceBoxes[k]->hasFocus() || m_answerButtons[k]->hasFocus();
        if (focused && !m_shownEnglish[k + 1].isEmpty())
            return m_shownEnglish[k + 1];
    }
    return m_shownEnglish[0];
}

QLineEdit *Form1::box(const char *name) const
{
    return findChild<QLineEdit *>(QLatin1String(name));
}

QPushButton *Form1::button(const char *name) const
{
    return findChild<QPushButton *>(QLatin1String(name));
}

void Form1::Form_Load()
{
    box("Text99")->setText(kMakerAddress);
    setWindowTitle(QStringLiteral("コトハナ ７０００語"));

    MediaPlayer &media = m_platform.media;
    media.command(QStringLiteral("Close"));
    media.setDeviceType(QStringLiteral("waveAudio"));
    media.setFileName(MyPath() + QStringLiteral("ok.wav"));
    media.command(QStringLiteral("Open"));
    media.command(QStringLiteral("Close"));
    media.setDeviceType(QStringLiteral("waveAudio"));
    media.setFileName(MyPath() + QStringLiteral("ng.wav"));
    media.command(QStringLiteral("Open"));

    Option92_Click();
    Option1_Click();
}

void Form1::showButtons()
{
    const DrillButtons &state = m_session.buttons();
    button("Command8")->setEnabled(state.start);
    button("Command1")->setEnabled(state.next);
    for (QPushButton *answerButton : m_answerButtons)
        answerButton->setEnabled(state.answers);
    button("Command10")->setEnabled(state.review);
    button("Command11")->setEnabled(state.review);
    button("Command21")->setEnabled(state.results);
    QLineEdit *scoreBox = box("Text1");
    if (scoreBox->isEnabled() == state.boxes)
        return;
    setBoxEnabled(scoreBox, state.boxes);
    for (int k = 0; k < 5; ++k) {
        setBoxEnabled(m_choiceBoxes[k], state.boxes);
        setBoxEnabled(m_markBoxes[k], state.boxes);
    }
}

void Form1::clearQuestion()
{
    for (int k = 0; k < 5; ++k) {
        m_choiceBoxes[k]->clear();
        m_markBoxes[k]->clear();
    }
}

void Form1::Option91_Click()
{
    m_session.selectLevel(1);
    showButtons();
}

void Form1::Option92_Click()
{
    m_session.selectLevel(2);
    showButtons();
}

void Form1::Option93_Click()
{
    m_session.selectLevel(3);
    showButtons();
}

void Form1::Option1_Click()
{
    m_session.setTestLength(20);
    showButtons();
}

void Form1::Option2_Click()
{
    m_session.setTestLength(50);
    showButtons();
}

void Form1::Option3_Click()
{
    m_session.setDirection(QStringLiteral("英和"));
    showButtons();
}

void Form1::Option4_Click()
{
    m_session.setDirection(QStringLiteral("和英"));
    showButtons();
}

void Form1::Command8_Click()
{
    m_session.startTest();
    showButtons();
    box("Text1")->clear();
    clearQuestion();
    m_questionLabel->setText(kTitle);
    m_shownEnglish = {};
}

void Form1::Command1_Click()
{
    m_platform.media.command(QStringLiteral("Close"));
    const bool testOver = m_session.next();
    showButtons();
    if (testOver) {
        endTest();
        return;
    }
    m_questionLabel->setText(QString());
    clearQuestion();
    const QuestionView question = m_session.askNextQuestion(m_platform.random, m_platform.clock);
    m_questionLabel->setText(question.question);
    for (int k = 0; k < 5; ++k)
        m_choiceBoxes[k]->setText(question.choices[k]);
    m_shownEnglish = question.english;
    box("Text1")->setText(question.score);
}

void Form1::answer(int choice)
{
    const DrillSession::Answer answer = m_session.answer(choice);
    m_markBoxes[choice - 1]->setText(answer.right ? QStringLiteral("○") : QStringLiteral("×"));
    playCue(answer.right ? QStringLiteral("ok.wav") : QStringLiteral("ng.wav"));
    if (answer.score)
        box("Text1")->setText(*answer.score);
}

void Form1::playCue(const QString &fileName)
{
    MediaPlayer &media = m_platform.media;
    media.command(QStringLiteral("Close"));
    media.setDeviceType(QStringLiteral("waveAudio"));
    media.setFileName(MyPath() + fileName);
    media.command(QStringLiteral("Open"));
    media.command(QStringLiteral("Play"));
}

void Form1::endTest()
{
    const QPointer<Form1> self(this);
    m_platform.dialogs.question(this, QStringLiteral("結果"),
                                QStringLiteral("100点満点で") + m_session.finalScore() +
                                    QStringLiteral("点です"));
    if (!self)
        return;
    m_session.finishTest();
    showButtons();
}

void Form1::Command10_Click()
{
    review(-1);
}

void Form1::Command11_Click()
{
    review(+1);
}

void Form1::review(int step)
{
    const DrillSession::Review shown = m_session.review(step);
    box("Text1")->setText(shown.number);
    m_questionLabel->setText(shown.question);
    for (int j = 0; j < 5; ++j)
        m_choiceBoxes[j]->setText(shown.choices[j]);
    m_shownEnglish = shown.english;
    if (shown.markedChoice != 0)
        for (int j = 0; j < 5; ++j)
            m_markBoxes[j]->setText(j + 1 == shown.markedChoice ? QStringLiteral("○")
                                                                : QStringLiteral("×"));
    showButtons();
}

void Form1::Command21_Click()
{
    if (!m_results)
        m_results = new Form2(m_session.results());
    showWindow(m_results.data());
    m_session.resultsShown();
    showButtons();
}

void Form1::Command22_Click()
{
    showWindow(m_dictionary, m_platform);
}

void Form1::Command23_Click()
{
    if (!m_study)
        m_study = std::make_unique<Form5>(m_platform);
    m_study->showWindow();
}

void Form1::Command99_Click()
{
    showWindow(m_about, m_platform);
}

void Form1::Command9_Click()
{
    m_platform.urls.open(this, box("Text99")->text());
}

void Form1::Command7_Click()
{
    if (m_study)
        m_study->close();
    close();
    QCoreApplication::quit();
}
