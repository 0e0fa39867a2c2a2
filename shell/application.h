#pragma once

class QApplication;
class QCoreApplication;

// Builds the catalogue, then the main window, shows it and runs the event loop.
int runApplication(QApplication& app);

// Makes the window's Chinese font resolve to an installed CJK font where it is absent.
void installFontFallbacks();

// Loads Qt's own Chinese texts (qtbase_zh_CN from Qt's translations folder) for the dialogs
// and standard buttons; false when the file is missing.
bool installQtTranslations(QCoreApplication& app);
