// Times the dictionary's largest searches as the user sees them: from the 検 索 click until the
// result box holds the text (and once more until it has been painted), and the load of all seven
// banks that every search makes. Prints the median, the fastest and the slowest of many runs.

#include "Fakes.h"
#include "Form4.h"
#include "WordBanks.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <vector>

namespace {
constexpr int kRuns = 50;

void report(const QString &what, const std::function<void()> &step)
{
    step(); // the first run warms caches and fonts
    std::vector<double> ms;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        step();
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    QTextStream(stdout) << QStringLiteral("%1  median %2 ms  min %3 ms  max %4 ms\n")
                               .arg(what, -44)
                               .arg(ms[ms.size() / 2], 0, 'f', 3)
                               .arg(ms.front(), 0, 'f', 3)
                               .arg(ms.back(), 0, 'f', 3);
}
} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    FakePlatform fakes;
    auto *window = new Form4(fakes.platform);
    window->show();
    QCoreApplication::processEvents();

    auto *searchBox = window->findChild<QLineEdit *>(QStringLiteral("Text1"));
    auto *resultBox = window->findChild<QPlainTextEdit *>(QStringLiteral("Text2"));
    auto *searchButton = window->findChild<QPushButton *>(QStringLiteral("Command1"));
    auto *english = window->findChild<QRadioButton *>(QStringLiteral("Option1"));
    auto *japanese = window->findChild<QRadioButton *>(QStringLiteral("Option2"));

    QTextStream(stdout) << QStringLiteral("platform %1, %2 runs each\n")
                               .arg(QGuiApplication::platformName())
                               .arg(kRuns);

    report(QStringLiteral("load banks 1-7"), [] {
        for (int bank = 1; bank <= kBankCount; ++bank)
            LoadWordBank(bank);
    });

    struct Case
    {
        QString label;
        QRadioButton *direction;
        Direction searchDirection;
        QString text;
    };
    const Case cases[] = {
        {QStringLiteral("和英 \"の\""), japanese, Direction::JapaneseToEnglish,
         QStringLiteral("の")},
        {QStringLiteral("英和 \"s\""), english, Direction::EnglishToJapanese, QStringLiteral("s")},
    };
    for (const Case &c : cases) {
        c.direction->click();
        searchBox->setText(c.text);
        const QString result = *searchDictionary(c.text, c.searchDirection);
        QTextStream(stdout) << QStringLiteral("%1: %2 characters, %3 lines\n")
                                   .arg(c.label)
                                   .arg(result.size())
                                   .arg(result.count(QStringLiteral("\r\n")));
        report(c.label + QStringLiteral(" search only"),
               [&] { (void)searchDictionary(c.text, c.searchDirection); });
        report(c.label + QStringLiteral(" setPlainText only"), [&] {
            resultBox->clear();
            resultBox->setPlainText(result);
        });
        report(c.label + QStringLiteral(" click to text set"), [&] {
            resultBox->clear();
            searchButton->click();
        });
        report(c.label + QStringLiteral(" click to painted"), [&] {
            resultBox->clear();
            searchButton->click();
            resultBox->viewport()->repaint();
        });
        // Scrolling: one page down through the whole result, painted each time.
        resultBox->setPlainText(result);
        report(c.label + QStringLiteral(" scroll one page and paint"), [&] {
            auto *bar = resultBox->verticalScrollBar();
            bar->setValue(bar->value() + bar->pageStep() > bar->maximum()
                              ? 0
                              : bar->value() + bar->pageStep());
            resultBox->viewport()->repaint();
        });
    }

    delete window;
    return 0;
}
