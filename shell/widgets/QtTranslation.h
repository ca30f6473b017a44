#pragma once

class QCoreApplication;

// Loads Qt's own Japanese texts (context menus, standard dialogs), so that what Qt shows matches
// the program's Japanese whatever the user's locale. Without the translation files installed, Qt
// keeps its English texts.
void installQtJapaneseTranslation(QCoreApplication &app);
