#pragma once

#include <QDialog>

struct Platform;
class QLineEdit;

// The about window: title, version, usage notes and the maker's web address with a button that
// opens it. Destroyed when closed; OK answers both Enter and Esc.
class frmAbout final : public QDialog
{
    Q_OBJECT
  public:
    explicit frmAbout(Platform &platform);

    void cmdOK_Click();
    void Command1_Click();

  private:
    void Form_Load();

    Platform &m_platform;
    QLineEdit *m_address = nullptr;
};
