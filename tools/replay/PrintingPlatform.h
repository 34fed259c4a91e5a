#pragma once
// Platform services that print what they were asked to do instead of doing it.

#include <ostream>

#include "model/Platform.h"

namespace platomer {

class PrintingPlatform : public Platform {
public:
    PrintingPlatform(std::ostream& out, char separator) : out_(out), separator_(separator) {}
    void message(const std::string& caption, const std::string& text, bool) override
    {
        out_ << "message\t" << caption << '\t' << text << '\n';
    }
    void beep() override { out_ << "beep\n"; }
    void openAddress(const std::string& address) override { out_ << "open\t" << address << '\n'; }
    char decimalSeparator() const override { return separator_; }

private:
    std::ostream& out_;
    char separator_;
};

}  // namespace platomer
