// Plays the user of the real program for the end-to-end test. Qt loads this plugin into the
// kotohana executable when asked to by QT_PLUGIN_PATH and
// QT_QPA_GENERIC_PLUGINS=kotohanadriver:<steps>, and once the drill window is shown it runs the
// steps, one every 100 ms, each as the user would do it:
//   <Window>/<Button>[*n]  click a button of the shown window of that class, n times;
//   ok                     press OK in the open message box;
//   close/<Window>         close the window from its frame.
// The steps run on, also inside the nested event loops of a modal box or a study session. A step
// that cannot be done ends the process with status 3 and says why on stderr.
#include <QAbstractButton>
#include <QApplication>
#include <QGenericPlugin>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <cstdlib>

namespace {
QWidget *shownWindow(const QString &className)
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible() && QLatin1String(window->metaObject()->className()) == className)
            return window;
    return nullptr;
}

[[noreturn]] void giveUp(const QString &step)
{
    std::fprintf(stderr, "driver: cannot do \"%s\"\n", qPrintable(step));
    std::_Exit(3);
}

class UserDriver final : public QObject
{
  public:
    explicit UserDriver(const QString &steps)
    {
        for (const QString &step : steps.split(u' ', Qt::SkipEmptyParts)) {
            const qsizetype star = step.indexOf(u'*');
            const int times = star < 0 ? 1 : step.mid(star + 1).toInt();
            for (int i = 0; i < times; ++i)
                m_steps.append(star < 0 ? step : step.left(star));
        }
        scheduleNextStep();
    }

  private:
    // A fresh single-shot timer for each step: a repeating timer does not fire again inside a
    // nested event loop that its own handler started.
    void scheduleNextStep() { QTimer::singleShot(100, this, &UserDriver::tick); }

    void tick()
    {
        if (!m_started) {
            m_started = shownWindow(QStringLiteral("Form1")) != nullptr;
            scheduleNextStep();
            return;
        }
        if (m_steps.isEmpty())
            return;
        // Scheduled first: a click may run a nested event loop in which the next steps run.
        scheduleNextStep();
        const QString step = m_steps.takeFirst();
        std::printf("driver: %s\n", qPrintable(step));
        std::fflush(stdout);
        if (step == u"ok") {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->button(QMessageBox::Ok))
                giveUp(step);
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        } else if (step.startsWith(u"close/")) {
            QWidget *window = shownWindow(step.mid(6));
            if (!window || !window->windowHandle())
                giveUp(step);
            // Goes through the platform window, as the close button of a frame does.
            window->windowHandle()->close();
        } else {
            QWidget *window = shownWindow(step.section(u'/', 0, 0));
            auto *button =
                window ? window->findChild<QAbstractButton *>(step.section(u'/', 1)) : nullptr;
            if (!button || !button->isEnabled())
                giveUp(step);
            QTest::mouseClick(button, Qt::LeftButton);
        }
    }

    QStringList m_steps;
    bool m_started = false;
};
} // namespace

class UserDriverPlugin final : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "user_driver.json")
  public:
    QObject *create(const QString &, const QString &steps) override
    {
        return new UserDriver(steps);
    }
};

#include "UserDriver.moc"
