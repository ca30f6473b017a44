#include "AppInfo.h"
#include "Fonts.h"
#include "Form1.h"
#include "Platform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setApplicationInfo();
    installFontSubstitutes();
    QApplication::setWindowIcon(programIcon());

    Form1 drill(systemPlatform());
    drill.show();
    return app.exec();
}
