#pragma once
// The shell: this about window, the program's identity (AppInfo: name, version, icon, the maker's
// address) and SystemPlatform, the real services the program runs on. Beneath it lie the platform
// layer (platform/, no widgets) and the widget helpers (widgets/) that every window uses; tools/
// makes the sound cues and the Windows icon at build time, testing/ holds the fakes for tests.

#include "Layout.h"

#include <QDialog>

struct Platform;
class QLineEdit;

// The about window: title, version, usage notes and the maker's web address with a button that
// opens it. Destroyed when closed; OK answers both Enter and Esc.
class frmAbout final : public QDialog
{
    Q_OBJECT
  public:
    static const WindowLayout kLayout;

    explicit frmAbout(Platform &platform);

    void cmdOK_Click();
    void Command1_Click();

  private:
    void Form_Load();

    Platform &m_platform;
    QLineEdit *m_address = nullptr;
};
