// Times the drill window's level and direction clicks, which rebuild the three level lists (3000
// rows) and copy one of them into the test list. Run: QT_QPA_PLATFORM=offscreen drill_bench

#include "Fakes.h"
#include "Form1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
double medianMicroseconds(Form1 &form, const char *option, int runs)
{
    auto *button = form.findChild<QAbstractButton *>(QLatin1String(option));
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        button->click();
        times.push_back(timer.nsecsElapsed() / 1000.0);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    FakePlatform fake;
    Form1 form(fake.platform);
    const int runs = 200;
    std::printf("level click 中学 (bank 1 three times): %8.1f µs median of %d\n",
                medianMicroseconds(form, "Option91", runs), runs);
    std::printf("level click 高校 (banks 2, 3, 4):       %8.1f µs median of %d\n",
                medianMicroseconds(form, "Option92", runs), runs);
    std::printf("level click 大学 (banks 5, 6, 7):       %8.1f µs median of %d\n",
                medianMicroseconds(form, "Option93", runs), runs);
    std::printf("direction click 和英:                  %8.1f µs median of %d\n",
                medianMicroseconds(form, "Option4", runs), runs);
    return 0;
}
