#include "Fcitx5InputMethodSwitch.h"

#include <QDBusConnection>
#include <QDBusMessage>

namespace {
// Qt's fcitx5 module tells fcitx5 of a newly focused box, in some versions over a bus connection
// of its own. An Activate sent at once could overtake that and switch on the box focused before,
// perhaps in another program; a short wait lets the focus land first and is over before a user
// types.
constexpr int kFocusSettleMs = 150;

void callController(const QString &method)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.fcitx.Fcitx5"), QStringLiteral("/controller"),
        QStringLiteral("org.fcitx.Fcitx.Controller1"), method);
    // Where fcitx5 is installed but not running, the bus would otherwise start it.
    call.setAutoStartService(false);
    // Sent without waiting for, or asking for, an answer.
    bus.send(call);
}
} // namespace

Fcitx5InputMethodSwitch::Fcitx5InputMethodSwitch()
{
    m_pendingActivate.setSingleShot(true);
    m_pendingActivate.setInterval(kFocusSettleMs);
    QObject::connect(&m_pendingActivate, &QTimer::timeout, &m_pendingActivate,
                     [] { callController(QStringLiteral("Activate")); });
}

void Fcitx5InputMethodSwitch::turnOn()
{
    m_pendingActivate.start();
}

void Fcitx5InputMethodSwitch::turnOff()
{
    // The later request wins: a turn-on still waiting is dropped.
    m_pendingActivate.stop();
    callController(QStringLiteral("Deactivate"));
}
