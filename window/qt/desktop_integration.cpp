#include "desktop_integration.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace veltara {

void integrateWithDesktop(QApplication& app) {
    QGuiApplication::setDesktopFileName(QStringLiteral(VELTARA_APP_ID));
    // The application owns the translator, which must live as long as it.
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Bulgarian, QLocale::Bulgaria), QStringLiteral("qtbase"),
                         QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    }
}

}  // namespace veltara
