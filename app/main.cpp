#include "AppInfo.h"
#include "Fonts.h"
#include "Form1.h"
#include "Layout.h"
#include "ProgramStyle.h"
#include "QtTranslation.h"
#include "SystemPlatform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    std::jthread fontConfiguration = preloadFontConfiguration();
    QApplication app(argc, argv);
    fontConfiguration.join();
    QApplication::setStyle(new ProgramStyle);
    // Qt's own message boxes and menus, and a line edit until it takes its window's font, use the
    // application font. The layout's face keeps their Japanese in one face, and spares loading a
    // Latin face that falls back to the IPA fonts for every Japanese character.
    QApplication::setFont(layoutFont({Face::Gothic, 9}));
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
