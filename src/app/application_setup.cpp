#include "app/application_setup.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace app {

bool setUpApplication(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral("Tavrix"));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
    // Every window without an icon of its own, main and info windows alike.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tavrix.svg")));

    // The program speaks German on every locale, so Qt's buttons and dialogs
    // do too. Only the translator: QLocale's default stays the system's, so
    // numbers keep the form they have.
    auto *translator = new QTranslator(&app);
    if (!translator->load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

}  // namespace app
