// Every window's layout table against the live window: each control's name, type, container,
// caption, geometry and font, the tab order, and the size of the client area.

#include "DrillSession.h"
#include "Fakes.h"
#include "Fonts.h"
#include "Form1.h"
#include "Form2.h"
#include "Form4.h"
#include "Form5.h"
#include "frmAbout.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>

namespace {
QString toQString(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

int pixels(int twips)
{
    return qRound(twips / 15.0);
}

// Whether the widget is of the type the row's kind stands for.
bool hasKind(const QWidget *widget, Kind kind)
{
    switch (kind) {
    case Kind::Frame:
        return qobject_cast<const QGroupBox *>(widget);
    case Kind::Option:
        return qobject_cast<const QRadioButton *>(widget);
    case Kind::Button:
        return qobject_cast<const QPushButton *>(widget);
    case Kind::Text:
        return qobject_cast<const QLineEdit *>(widget);
    case Kind::MultiText:
        return qobject_cast<const QPlainTextEdit *>(widget);
    case Kind::Label:
        return qobject_cast<const QLabel *>(widget);
    case Kind::Combo:
        return qobject_cast<const QComboBox *>(widget) &&
               static_cast<const QComboBox *>(widget)->isEditable();
    case Kind::Picture:
    case Kind::Line:
        return true;
    }
    return false;
}

// The caption a user reads on a control whose caption the load step leaves alone.
std::optional<QString> captionOf(const QWidget *widget)
{
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (auto *frame = qobject_cast<const QGroupBox *>(widget))
        return frame->title();
    if (auto *label = qobject_cast<const QLabel *>(widget); label && label->pixmap().isNull())
        return label->text();
    return std::nullopt;
}

using WindowFactory = std::function<std::unique_ptr<QWidget>(FakePlatform &)>;
} // namespace

Q_DECLARE_METATYPE(const WindowLayout *)
Q_DECLARE_METATYPE(WindowFactory)

class TestLayouts : public QObject
{
    Q_OBJECT
  private Q_SLOTS:
    void windowMatchesItsTable_data()
    {
        QTest::addColumn<const WindowLayout *>("layout");
        QTest::addColumn<WindowFactory>("open");
        QTest::addColumn<bool>("fixed");
        static const ResultTexts results;
        QTest::addRow("drill window") << &Form1::kLayout << WindowFactory([](FakePlatform &fake) {
            return std::make_unique<Form1>(fake.platform);
        }) << true;
        QTest::addRow("result list window") << &Form2::kLayout << WindowFactory([](FakePlatform &) {
            return std::make_unique<Form2>(results);
        }) << true;
        QTest::addRow("dictionary window")
            << &Form4::kLayout << WindowFactory([](FakePlatform &fake) {
                   return std::make_unique<Form4>(fake.platform);
               })
            << true;
        QTest::addRow("study window") << &Form5::kLayout << WindowFactory([](FakePlatform &fake) {
            return std::make_unique<Form5>(fake.platform);
        }) << false;
        QTest::addRow("about window")
            << &frmAbout::kLayout << WindowFactory([](FakePlatform &fake) {
                   return std::make_unique<frmAbout>(fake.platform);
               })
            << true;
    }
    void windowMatchesItsTable()
    {
        QFETCH(const WindowLayout *, layout);
        QFETCH(WindowFactory, open);
        QFETCH(bool, fixed);
        FakePlatform fake;
        const std::unique_ptr<QWidget> window = open(fake);

        const QSize client(pixels(layout->clientArea.width), pixels(layout->clientArea.height));
        QCOMPARE(window->size(), client);
        QCOMPARE(window->minimumSize() == window->maximumSize(), fixed);
        QCOMPARE(window->font().family(), faceFamily(layout->font.face));
        QCOMPARE(window->font().pointSizeF(), layout->font.points);
        QCOMPARE(window->font().bold(), layout->font.bold);

        std::vector<std::pair<int, QWidget *>> tabOrder;
        for (const ControlRow &row : layout->controls) {
            const QString name = toQString(row.name);
            const QList<QWidget *> found = window->findChildren<QWidget *>(name);
            QVERIFY2(found.size() == 1, qPrintable(name));
            QWidget *control = found.first();
            QVERIFY2(hasKind(control, row.kind), qPrintable(name));
            QCOMPARE(control->parentWidget()->objectName(),
                     row.container.empty() ? window->objectName() : toQString(row.container));

            if (row.kind == Kind::Line) {
                // From one end point to the other, two pixels thick.
                const QRect line = control->geometry();
                QVERIFY(line.contains(pixels(row.left), pixels(row.top)));
                QVERIFY(line.contains(pixels(row.width), pixels(row.height)));
                QCOMPARE(std::min(line.width(), line.height()), 2);
            } else {
                QCOMPARE(control->geometry(), QRect(pixels(row.left), pixels(row.top),
                                                    pixels(row.width), pixels(row.height)));
            }
            if (const std::optional<QString> caption = captionOf(control))
                QCOMPARE(*caption,
                         QString::fromUtf16(row.caption.data(), qsizetype(row.caption.size())));

            const QFont font = control->font();
            const ControlFont expected = row.font.face == Face::Window ? layout->font : row.font;
            QCOMPARE(font.family(), faceFamily(expected.face));
            QCOMPARE(font.pointSizeF(), expected.points);
            QCOMPARE(font.bold(), expected.bold);

            // What lies below a fixed window's client area is never seen, and Tab skips it.
            const bool hidden =
                fixed && control->mapTo(window.get(), QPoint()).y() >= client.height();
            if (hidden)
                QCOMPARE(control->focusPolicy(), Qt::NoFocus);
            if (row.tab >= 0 && (control->focusPolicy() & Qt::TabFocus))
                tabOrder.emplace_back(row.tab, control);
        }

        // Tab runs through the focusable controls by their tab index, starting at the lowest.
        std::ranges::stable_sort(tabOrder, {}, &std::pair<int, QWidget *>::first);
        QVERIFY(!tabOrder.empty());
        if (fixed)
            QCOMPARE(window->focusWidget(), tabOrder.front().second);
        QSet<QWidget *> inTable;
        for (const auto &[tab, control] : tabOrder)
            inTable.insert(control);
        for (std::size_t i = 1; i < tabOrder.size(); ++i) {
            QWidget *next = tabOrder[i - 1].second->nextInFocusChain();
            while (!inTable.contains(next))
                next = next->nextInFocusChain();
            QCOMPARE(next->objectName(), tabOrder[i].second->objectName());
        }
    }
};

QTEST_MAIN(TestLayouts)
#include "tst_layouts.moc"
