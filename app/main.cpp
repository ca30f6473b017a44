#include "AppInfo.h"
#include "Fonts.h"
#include "Form1.h"
#include "QtTranslation.h"
#include "SystemPlatform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    std::jthread fontConfiguration = preloadFontConfiguration();
    QApplication app(argc, argv);
    fontConfiguration.join();
    setApplicationInfo();
    installQtJapaneseTranslation(app);
    QApplication::setWindowIcon(programIcon());

    // Declared after the application and so destroyed before it, the drill window (and with it
    // every window it opened) first.
    SystemPlatform services;
    Form1 drill(services.platform());
    drill.show();
    return app.exec();
}
