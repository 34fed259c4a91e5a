#include "app/QtPlatform.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QLocale>
#include <QMessageBox>
#include <QUrl>

#include "app/RememberedYear.h"

namespace platomer {

QString boxText(const std::string& text)
{
    constexpr int Head = 160, Tail = 60;
    QString shown = QString::fromStdString(text);
    if (shown.size() > Head + Tail + 1) shown = shown.left(Head) + QChar(0x2026) + shown.right(Tail);
    return shown;
}

void QtPlatform::message(const std::string& caption, const std::string& text, bool error)
{
    // An error carries the stop icon; the notice of the tax step is a plain box.
    QMessageBox box(error ? QMessageBox::Critical : QMessageBox::NoIcon, QString::fromStdString(caption), boxText(text),
                    QMessageBox::Ok, owner_);
    box.exec();
}

void QtPlatform::beep() { QApplication::beep(); }

void QtPlatform::openAddress(const std::string& address)
{
    // The addresses are bare host names; the browser is asked for the web page there. Whether it
    // opens is not examined.
    QDesktopServices::openUrl(QUrl(QStringLiteral("http://") + QString::fromStdString(address)));
}

char QtPlatform::decimalSeparator() const { return systemDecimalSeparator(); }

std::string QtPlatform::clipboardText() const { return QApplication::clipboard()->text().toStdString(); }

void QtPlatform::setClipboardText(const std::string& text)
{
    QApplication::clipboard()->setText(QString::fromStdString(text));
}

void QtPlatform::yearChosen(int rok) { rememberYear(rok); }

char systemDecimalSeparator()
{
    const QString point = QLocale::system().decimalPoint();
    return point.size() == 1 && point.at(0).unicode() < 128 ? point.at(0).toLatin1() : '.';
}

}  // namespace platomer
