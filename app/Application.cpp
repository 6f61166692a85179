#include "app/Application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>

#include "app/QtHost.h"

namespace rdo {

void setUpApplication(QApplication& app) {
    QApplication::setApplicationName(QString::fromUtf8(kAppTitle));
    installFrench(app);
    if (QStyle* windows = QStyleFactory::create(QStringLiteral("Windows"))) {
        QApplication::setStyle(windows);
    }
}

bool installFrench(QApplication& app) {
    const QLocale french(QLocale::French, QLocale::France);
    QLocale::setDefault(french);
    auto* translator = new QTranslator(&app);
    if (!translator->load(french, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

}  // namespace rdo
