#pragma once
// The replay tool's default mode: the same script on the real window, offscreen.

#include <istream>
#include <string>
#include <vector>

namespace platomer {

// The decimal separator of the process locale, found as the program finds it.
char localeDecimalSeparator();

int runWindow(int argc, char** argv, std::istream& script, char separator, const std::vector<std::string>& names);

}  // namespace platomer
