#pragma once

#include <QWidget>

struct Platform;
class QLineEdit;
class QPlainTextEdit;

// The result list window: the words of the current test answered right, wrong or both, and the
// score of the last finished test, read from ResultTexts when it opens and when a list button is
// pressed. It is destroyed when closed.
class Form2 final : public QWidget
{
    Q_OBJECT
  public:
    explicit Form2(Platform &platform);

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

  private:
    void Form_Load();
    void showList(const QString &heading, const QString &lines);

    QPlainTextEdit *m_list = nullptr;
    QLineEdit *m_score = nullptr;
};
