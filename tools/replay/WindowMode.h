#pragma once
// The replay tool's default mode: the same script on the real window, offscreen.

#include <istream>
#include <string>
#include <vector>

namespace platomer {

// The decimal separator of the process locale, found as the program finds it.
char localeDecimalSeparator();

// Runs the script on the real window, which starts with the rules of the year `rok`.
int runWindow(int argc, char** argv, std::istream& script, char separator, const std::vector<std::string>& names,
              int rok);

}  // namespace platomer
