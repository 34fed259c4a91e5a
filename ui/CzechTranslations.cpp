#include "ui/CzechTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace platomer {

bool installCzechTranslations(QCoreApplication& app)
{
    auto* translator = new QTranslator(&app);
    if (!translator->load("qtbase_cs", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

}  // namespace platomer
