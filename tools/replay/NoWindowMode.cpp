// Built when Qt is not available: only the model mode exists.
#include <clocale>
#include <iostream>

#include "tools/replay/WindowMode.h"

namespace platomer {

char localeDecimalSeparator()
{
    std::setlocale(LC_NUMERIC, "");
    const char* point = std::localeconv()->decimal_point;
    return point && point[0] && !point[1] ? point[0] : '.';
}

int runWindow(int, char**, std::istream&, char, const std::vector<std::string>&, int)
{
    std::cerr << "platomer-replay: built without Qt; use --model\n";
    return 2;
}

}  // namespace platomer
