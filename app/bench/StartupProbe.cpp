// Measures a Qt program from inside, for tools/bench.sh: Qt loads this plugin into any Qt Widgets
// program when asked to by QT_PLUGIN_PATH and QT_QPA_GENERIC_PLUGINS=kotohanaprobe[:search].
// It prints the wall-clock time at which the first window is mapped, the resident memory once
// the program has settled, and with "search" the time of the dictionary's first search (和英
// "の", through the drill window's 辞書 button); then it quits the program.
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QGenericPlugin>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <ctime>

namespace {
constexpr int kSettleMs = 1500;

QWidget *shownWindow(const char *className)
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible() && qstrcmp(window->metaObject()->className(), className) == 0)
            return window;
    return nullptr;
}

template <typename T> T *control(const char *window, const char *name)
{
    QWidget *shown = shownWindow(window);
    return shown ? shown->findChild<T *>(QLatin1String(name)) : nullptr;
}

class StartupProbe final : public QObject
{
  public:
    explicit StartupProbe(bool search) : m_search(search) { qApp->installEventFilter(this); }

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = qobject_cast<QWindow *>(watched);
        if (!m_mapped && event->type() == QEvent::Expose && window && window->isExposed()) {
            m_mapped = true;
            timespec now{};
            clock_gettime(CLOCK_REALTIME, &now);
            std::printf("mapped_ns %lld\n", now.tv_sec * 1000000000LL + now.tv_nsec);
            QTimer::singleShot(kSettleMs, this, &StartupProbe::settled);
        }
        return false;
    }

  private:
    void settled()
    {
        QFile status(QStringLiteral("/proc/self/status"));
        if (status.open(QIODevice::ReadOnly))
            for (const QByteArray &line : status.readAll().split('\n'))
                if (line.startsWith("VmRSS:"))
                    std::printf("rss_kib %s\n", line.mid(6).trimmed().split(' ').value(0).data());
        if (m_search)
            searchOnce();
        std::fflush(stdout);
        QCoreApplication::quit();
    }

    void searchOnce()
    {
        auto *open = control<QAbstractButton>("Form1", "Command22");
        if (!open)
            return;
        open->click();
        auto *japaneseFirst = control<QAbstractButton>("Form4", "Option2");
        auto *text = control<QLineEdit>("Form4", "Text1");
        auto *search = control<QAbstractButton>("Form4", "Command1");
        if (!japaneseFirst || !text || !search)
            return;
        japaneseFirst->click();
        QCoreApplication::processEvents();
        text->setText(QStringLiteral("の"));
        QElapsedTimer timer;
        timer.start();
        search->click();
        // Until the result is on screen.
        shownWindow("Form4")->repaint();
        std::printf("search_ms %.2f\n", timer.nsecsElapsed() / 1e6);
    }

    bool m_search;
    bool m_mapped = false;
};
} // namespace

class StartupProbePlugin final : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "startup_probe.json")
  public:
    QObject *create(const QString &, const QString &parameters) override
    {
        return new StartupProbe(parameters == u"search");
    }
};

#include "StartupProbe.moc"
