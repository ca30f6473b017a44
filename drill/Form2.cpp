#include "Form2.h"

#include "AppInfo.h"
#include "Form1.h"
#include "Layout.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

// clang-format off
constexpr ControlRow kControls[] = {
    {"Command1", Kind::Button,    "", u"○正解した単語", 2160, 240, 1695, 495, 2, kPGothic9},
    {"Command2", Kind::Button,    "", u"×不正解の単語", 4080, 240, 1695, 495, 3, kPGothic9},
    {"Command3", Kind::Button,    "", u"回答した単語",   6000, 240, 1695, 495, 4, kPGothic9},
    {"Command4", Kind::Button,    "", u"戻　る",         7920, 240, 1695, 495, 0, {Face::Gothic, 9}},
    {"Text2",    Kind::Text,      "", u"",               600, 305, 1335, 360, 5, {}, AlignCentre},
    {"Text1",    Kind::MultiText, "", u"",               480, 1080, 9255, 6735, 1, {Face::Gothic, 11.25}},
};
// clang-format on

constexpr AccessibleName kAccessibleNames[] = {
    {"Text1", u"単語の一覧"},
    {"Text2", u"点数"},
};

const QString kLineBreak = QStringLiteral("\r\n");
} // namespace

constinit const WindowLayout Form2::kLayout{Form1::kClientArea, {Face::Gothic, 12}, kControls};

Form2::Form2(const ResultTexts &results) : m_results(results)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("「正解」「不正解」の一覧"));
    setWindowIcon(programIcon());
    setFont(layoutFont(kLayout.font));
    setFixedClientArea(this, kLayout.clientArea);
    QWidget *first = buildLayout(this, kLayout.controls);
    setAccessibleNames(this, kAccessibleNames);
    m_list = findChild<QPlainTextEdit *>(QStringLiteral("Text1"));
    m_score = findChild<QLineEdit *>(QStringLiteral("Text2"));

    onClicked(this, "Command1", &Form2::Command1_Click);
    onClicked(this, "Command2", &Form2::Command2_Click);
    onClicked(this, "Command3", &Form2::Command3_Click);
    onClicked(this, "Command4", &Form2::Command4_Click);

    Form_Load();
    centreOnScreen(this);
    first->setFocus();
}

void Form2::Form_Load()
{
    showList(QStringLiteral("不正解の単語"), m_results.incorrectList);
    m_score->setText(m_results.scoreText + QStringLiteral("点"));
}

void Form2::showList(const QString &heading, const QString &lines)
{
    m_list->setPlainText(heading + kLineBreak + kLineBreak + lines);
}

void Form2::Command1_Click()
{
    showList(QStringLiteral("正解した単語"), m_results.correctList);
}

void Form2::Command2_Click()
{
    showList(QStringLiteral("不正解の単語"), m_results.incorrectList);
}

void Form2::Command3_Click()
{
    showList(QStringLiteral("回答した単語"), m_results.correctList + m_results.incorrectList);
}

void Form2::Command4_Click()
{
    close();
}
