#include "shell/application.h"

#include "catalogue/catalogue_database.h"
#include "catalogue/catalogue_queries.h"
#include "resources/image_store.h"
#include "shell/main_window.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QLibraryInfo>
#include <QScreen>
#include <QSettings>
#include <QTranslator>
#include <future>

void installFontFallbacks() {
    // Substitutes only apply where the family itself is missing, so they are set without
    // asking the font database first: that question alone costs about 5 ms at start-up.
    const QString preferred = QStringLiteral("微软雅黑");
    QStringList substitutes;
    for (const char* family : {"Noto Sans CJK SC", "Noto Sans SC", "WenQuanYi Micro Hei",
                               "Source Han Sans SC", "Droid Sans Fallback"}) {
        substitutes << QString::fromLatin1(family);
    }
    QFont::insertSubstitutions(preferred, substitutes);
    QFont font = QApplication::font();
    font.setFamilies({font.family(), substitutes.first()});
    QApplication::setFont(font);
}

bool installQtTranslations(QCoreApplication& app) {
    // The window speaks Chinese whatever the system's language, so Qt's own texts (dialog
    // buttons, the file dialog, its error strings) are taken in Chinese too. A missing file
    // leaves them in English; the program works the same.
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_zh_CN"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

int runApplication(QApplication& app) {
    // The catalogue builds on the second core while the fonts load here. Only after the
    // application exists: Qt takes the first thread that touches it for the main thread.
    const std::future<void> catalogue =
        std::async(std::launch::async, [] { CatalogueDatabase::instance(); });
    app.setApplicationName(QStringLiteral("steel-handbook"));
    app.setApplicationDisplayName(QStringLiteral("钢材规格手册"));
    app.setDesktopFileName(QStringLiteral("steel-handbook"));
    app.setWindowIcon(loadIcon(QStringLiteral("/Image/app.png"), QSize(256, 256)));
    installFontFallbacks();
    // Before any widget exists, so none has to be told of a language change.
    installQtTranslations(app);
    // Loading the font database takes as long as the catalogue; it runs meanwhile here.
    (void)QFontMetrics(QApplication::font()).height();

    CatalogueQueries queries(CatalogueDatabase::instance());
    MainWindow window(queries);
    QSize size(1280, 800);
    if (const QScreen* screen = app.primaryScreen()) size = size.boundedTo(screen->availableSize());
    window.resize(size.expandedTo(window.minimumSize()));
    // The user's own settings file; tests build the window without it.
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("steel-handbook"),
                       QStringLiteral("steel-handbook"));
    window.restoreState(settings);
    window.show();
    const int status = app.exec();
    window.saveState(settings);
    return status;
}
