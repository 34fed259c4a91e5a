#include "app/RememberedYear.h"

#include <QSettings>

#include "model/Years.h"

namespace platomer {

namespace {

// The names are the program's own and fixed: the application's name carries the year it started
// with, and the year kept must not depend on it.
QSettings settings() { return QSettings(QStringLiteral("platomer"), QStringLiteral("platomer")); }

constexpr QLatin1StringView Key("rok");

}  // namespace

int rememberedYear()
{
    // A file Qt cannot make sense of is no concern of the user's, who gets the window's own year:
    // what Qt would say about it while it is read is dropped.
    const QtMessageHandler said = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    // Read as the four digits the option --rok takes: a text, a list, a number out of range or a
    // year without rules is no year. QSettings replaces the file as a whole, so a copy of the
    // program writing it meanwhile leaves either the old year or the new one.
    const YearRow* row = yearNamed(settings().value(Key).toString().toStdString());
    qInstallMessageHandler(said);
    return (row ? *row : defaultYear()).rok;
}

void rememberYear(int rok)
{
    QSettings kept = settings();
    kept.setValue(Key, rok);
    kept.sync();
}

}  // namespace platomer
