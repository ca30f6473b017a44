#pragma once

#include "Layout.h"

#include <QWidget>

struct ResultTexts;
class QLineEdit;
class QPlainTextEdit;

// The result list window: the words of the current test answered right, wrong or both, and the
// score of the last finished test, read from the drill's result texts when it opens and when a
// list button is pressed. It is destroyed when closed; the drill window outlives it.
class Form2 final : public QWidget
{
    Q_OBJECT
  public:
    static const WindowLayout kLayout;

    explicit Form2(const ResultTexts &results);

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

  private:
    void Form_Load();
    void showList(const QString &heading, const QString &lines);

    const ResultTexts &m_results;
    QPlainTextEdit *m_list = nullptr;
    QLineEdit *m_score = nullptr;
};
