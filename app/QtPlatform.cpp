#include "app/QtPlatform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLocale>
#include <QMessageBox>
#include <QUrl>

namespace platomer {

void QtPlatform::message(const std::string& caption, const std::string& text, bool error)
{
    // An error carries the stop icon; the notice of the tax step is a plain box.
    QMessageBox box(error ? QMessageBox::Critical : QMessageBox::NoIcon, QString::fromStdString(caption),
                    QString::fromStdString(text), QMessageBox::Ok, owner_);
    box.exec();
}

void QtPlatform::beep() { QApplication::beep(); }

void QtPlatform::openAddress(const std::string& address)
{
    // The addresses are bare host names; the browser is asked for the web page there. Whether it
    // opens is not examined.
    QDesktopServices::openUrl(QUrl(QStringLiteral("http://") + QString::fromStdString(address)));
}

char QtPlatform::decimalSeparator() const
{
    const QString point = QLocale::system().decimalPoint();
    return point.size() == 1 && point.at(0).unicode() < 128 ? point.at(0).toLatin1() : '.';
}

}  // namespace platomer
