#pragma once

// Turns the desktop's input method on or off for the text box that has the focus, where the
// input-method framework lets a program do so. Where it does not, nothing happens and the user
// toggles the input method as in any other program. The user's settings are never changed.
class InputMethodSwitch
{
  public:
    virtual ~InputMethodSwitch() = default;
    virtual void turnOn() = 0;
    virtual void turnOff() = 0;
};
