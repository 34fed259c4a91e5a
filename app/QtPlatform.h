#pragma once
// The desktop services of the real program: message boxes, the beep, the browser, the locale.

#include <QString>

#include "model/Platform.h"

class QWidget;

namespace platomer {

// The text a message box shows. An error quotes the text it could not read, which may be a paste
// of any length: the box shows its start and its end, so that it stays within the screen.
QString boxText(const std::string& text);

// The decimal separator of the locale the process runs in (LC_ALL, LC_NUMERIC, LANG).
char systemDecimalSeparator();

class QtPlatform : public Platform {
public:
    // The boxes are modal to `owner` once it is set.
    void setOwner(QWidget* owner) { owner_ = owner; }

    void message(const std::string& caption, const std::string& text, bool error) override;
    void beep() override;
    void openAddress(const std::string& address) override;
    char decimalSeparator() const override;
    // The desktop's clipboard, shared with every other program.
    std::string clipboardText() const override;
    void setClipboardText(const std::string& text) override;
    // Kept in the user's configuration for the next start (app/RememberedYear.h).
    void yearChosen(int rok) override;

private:
    QWidget* owner_ = nullptr;
};

}  // namespace platomer
