#pragma once

class QApplication;

// Builds the catalogue, then the main window, shows it and runs the event loop.
int runApplication(QApplication& app);

// Makes the window's Chinese font resolve to an installed CJK font where it is absent.
void installFontFallbacks();
