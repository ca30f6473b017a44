// Measures what a study session costs: the CPU time of the process over a 10-second session at
// pace 0.5 on the real clock, in each style, and the time to draw one card side in each style.
// Runs offscreen unless a platform is named.
#include "CardStyles.h"
#include "CardSurface.h"
#include "Form5.h"
#include "ImageCanvas.h"
#include "RandomSource.h"
#include "SystemPlatform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <ctime>

namespace {
double processCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

const CardStyle kStyles[] = {CardStyle::Slide, CardStyle::Circles, CardStyle::Layers};
} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    SystemPlatform services;
    Form5 form(services.platform());
    form.showWindow();
    auto *surface = form.findChild<CardSurface *>(QStringLiteral("Picture1"));
    auto *start = form.findChild<QAbstractButton *>(QStringLiteral("Command1"));
    auto *stop = form.findChild<QAbstractButton *>(QStringLiteral("Command3"));
    form.findChild<QComboBox *>(QStringLiteral("Combo1"))->setEditText(QStringLiteral(" 0.5"));
    int clears = 0;
    surface->onStep = [&](const ImageCanvas::Step &step) {
        clears += step.kind == ImageCanvas::Step::Clear;
    };

    std::printf("Session of 10 s at pace 0.5, real clock:\n");
    for (const CardStyle style : kStyles) {
        form.findChild<QComboBox *>(QStringLiteral("Combo2"))->setEditText(styleName(style));
        clears = 0;
        QTimer::singleShot(10000, stop, &QAbstractButton::click);
        QElapsedTimer wall;
        wall.start();
        const double cpu0 = processCpuSeconds();
        start->click(); // returns when the session has ended
        const double cpu = processCpuSeconds() - cpu0;
        const double seconds = wall.nsecsElapsed() / 1e9;
        // Every card begins with a clear; 円形 clears once more for the back.
        const int cards = style == CardStyle::Circles ? clears / 2 : clears;
        std::printf("  %s: %.2f s CPU over %.2f s (%.2f %% of one core), %d cards shown\n",
                    qPrintable(styleName(style)), cpu, seconds, 100.0 * cpu / seconds, cards);
    }

    std::printf("Drawing one card side (745 x 473 pixels), mean of 200:\n");
    ImageCanvas canvas(surface->canvas().size(), surface->canvas().devicePixelRatio());
    LcgRandom random;
    const QString english = QStringLiteral("accident                ");
    const QString japanese = QStringLiteral("事故") + QString(14, QChar(0x3000));
    const DrawWait noWait = [](float) { return true; };
    for (const CardStyle style : kStyles) {
        for (const CardSide side : {CardSide::Front, CardSide::Back}) {
            const bool front = side == CardSide::Front;
            const int startAt = centredStart(front ? english : japanese, front ? 20 : 40);
            constexpr int kRounds = 200;
            QElapsedTimer timer;
            timer.start();
            for (int i = 0; i < kRounds; ++i)
                drawCardSide(style, side, canvas, random, front ? english : japanese, startAt,
                             noWait);
            std::printf("  %s %s: %.3f ms%s\n", qPrintable(styleName(style)),
                        front ? "front" : "back ", timer.nsecsElapsed() / 1e6 / kRounds,
                        style == CardStyle::Slide ? " (without the 0.02 s pauses)" : "");
        }
    }
    return 0;
}
