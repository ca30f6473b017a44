#pragma once

#include "InputMethodSwitch.h"

#include <QTimer>

// Asks fcitx5's controller on the session bus to activate or deactivate its input context that
// was focused last, which is this program's box once the box has the focus. Calls are sent
// without waiting for or asking for an answer, and never start fcitx5: on a desktop without it
// (IBus, no input method, no session bus) the bus drops them and nothing else happens.
class Fcitx5InputMethodSwitch final : public InputMethodSwitch
{
  public:
    Fcitx5InputMethodSwitch();
    void turnOn() override;
    void turnOff() override;

  private:
    // Sends Activate once the box's own focus-in has reached fcitx5.
    QTimer m_pendingActivate;
};
