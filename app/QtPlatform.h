#pragma once
// The desktop services of the real program: message boxes, the beep, the browser, the locale.

#include "model/Platform.h"

class QWidget;

namespace platomer {

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

private:
    QWidget* owner_ = nullptr;
};

}  // namespace platomer
