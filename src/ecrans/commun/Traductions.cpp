#include "ecrans/commun/Traductions.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Traductions {
bool installe() {
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    static QTranslator* qtbase = nullptr;
    if (qtbase) return true;
    auto* traducteur = new QTranslator(QCoreApplication::instance());
    if (!traducteur->load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete traducteur;
        return false;
    }
    QCoreApplication::installTranslator(traducteur);
    qtbase = traducteur;
    return true;
}
}  // namespace Traductions
