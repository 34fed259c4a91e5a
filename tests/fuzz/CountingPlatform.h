#pragma once
// Desktop services for a fuzzed session: counted, never blocking, with the locale's separator.

#include <string>

#include "model/Platform.h"

namespace platomer {

class CountingPlatform : public Platform {
public:
    explicit CountingPlatform(char separator) : separator_(separator) {}
    void message(const std::string&, const std::string&, bool error) override { ++(error ? errors : notices); }
    void beep() override { ++beeps; }
    void openAddress(const std::string&) override { ++addresses; }
    char decimalSeparator() const override { return separator_; }

    long errors = 0, notices = 0, beeps = 0, addresses = 0;

private:
    char separator_;
};

}  // namespace platomer
