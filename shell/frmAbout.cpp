#include "frmAbout.h"

#include "AppInfo.h"
#include "Layout.h"
#include "Platform.h"
#include "UrlOpener.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr ClientArea kClientArea{6495, 4125};
constexpr ControlFont kNote{Face::Gothic, 8.25};

// clang-format off
constexpr ControlRow kControls[] = {
    {"picIcon",            Kind::Picture, "",       u"", 360, 240, 540, 540, 2, kPGothic9},
    {"lblTitle",           Kind::Label,   "",       u"コトハナ7000語  ver3.1", 1320, 360, 4605, 480, 4, {Face::Gothic, 14.25}},
    {"Frame1",             Kind::Frame,   "",       u"", 600, 840, 5175, 1935, 5, kPGothic9},
    {"lblDescription(2)",  Kind::Label,   "Frame1", u"「中学」用は、中学生で必要と思われる1000単語を登録", 360, 360, 4575, 285, 6, kNote},
    {"lblDescription(0)",  Kind::Label,   "Frame1", u"「高校」用は、高校／大学受験で必要な3000単語を登録", 360, 600, 4635, 285, 8, kNote},
    {"lblDescription(1)",  Kind::Label,   "Frame1", u"「大学」用は、大学／各種受験で必要な3000単語を登録", 360, 840, 4635, 285, 9, kNote},
    {"lblDescription(5)",  Kind::Label,   "Frame1", u"「←」「→」キーは「試験」の復習で使用", 360, 1080, 4635, 285, 10, kNote},
    {"lblDescription(6)",  Kind::Label,   "Frame1", u"「英和」「和英」の切り替えは復習モード中でも可能", 360, 1320, 4605, 285, 11, kNote},
    {"lblDescription(7)",  Kind::Label,   "Frame1", u"「結果」を押すと正解の一覧がでます", 360, 1560, 4605, 285, 12, kNote},
    {"lblDisclaimer(0)",   Kind::Label,   "",       u"単語と訳語は独自に編集しています", 1080, 3000, 4215, 345, 3, {Face::Gothic, 11.25}},
    {"Command1",           Kind::Button,  "",       u"Web Site", 3720, 3360, 1215, 405, 0, {}},
    {"cmdOK",              Kind::Button,  "",       u"OK", 5160, 3360, 660, 405, 1, {}},
    {"Text1",              Kind::Text,    "",       u"", 1080, 3480, 3015, 615, 7, {Face::Gothic, 11.25}},
};
// clang-format on

constexpr AccessibleName kAccessibleNames[] = {{"Text1", u"Webサイトのアドレス"}};
} // namespace

constinit const WindowLayout frmAbout::kLayout{kClientArea, kGothic9, kControls};

frmAbout::frmAbout(Platform &platform) : m_platform(platform)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("バージョン情報"));
    setWindowIcon(programIcon());
    setFont(layoutFont(kLayout.font));
    setFixedClientArea(this, kLayout.clientArea);

    QPalette background = palette();
    background.setColor(QPalette::Window, palette().color(QPalette::Active, QPalette::Highlight));
    setPalette(background);
    setAutoFillBackground(true);

    QWidget *first = buildLayout(this, kLayout.controls, [](const ControlRow &, QWidget *parent) {
        auto *icon = new QLabel(parent);
        icon->setPixmap(programIcon().pixmap(32, 32));
        icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return icon;
    });

    setAccessibleNames(this, kAccessibleNames);

    for (QLabel *label : findChildren<QLabel *>()) {
        QPalette text = label->palette();
        text.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(text);
    }
    m_address = findChild<QLineEdit *>(QStringLiteral("Text1"));
    QPalette address = m_address->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        address.setColor(group, QPalette::Text, QColor(0, 0, 255));
        address.setColor(group, QPalette::Base, palette().color(group, QPalette::Button));
    }
    m_address->setPalette(address);

    // The address box reaches under the two buttons; they stay on top, whole and clickable.
    for (const char *name : {"Command1", "cmdOK"})
        findChild<QPushButton *>(QLatin1String(name))->raise();
    // Enter answers OK unless another button has the focus; that button takes Enter and Space.
    for (QPushButton *button : findChildren<QPushButton *>())
        button->setAutoDefault(false);
    auto *ok = findChild<QPushButton *>(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    onClicked(this, "cmdOK", &frmAbout::cmdOK_Click);
    onClicked(this, "Command1", &frmAbout::Command1_Click);

    Form_Load();
    centreOnScreen(this);
    first->setFocus();
}

void frmAbout::Form_Load()
{
    m_address->setText(kMakerAddress);
}

void frmAbout::cmdOK_Click()
{
    // Esc and the close box end the dialog the same way, and every way ends in its deletion.
    accept();
}

void frmAbout::Command1_Click()
{
    m_platform.urls.open(this, m_address->text());
}
