#pragma once

#include <QString>

class QWidget;

// Opens a document or web address with the desktop's default handler, in a normally shown window.
// The outcome is not reported: a malformed address or a missing browser simply opens nothing.
class UrlOpener
{
  public:
    virtual ~UrlOpener() = default;
    virtual void open(QWidget *owner, const QString &address) = 0;
};

class DesktopUrlOpener final : public UrlOpener
{
  public:
    void open(QWidget *owner, const QString &address) override;
};
