// Built when Qt is not available: only the model mode exists.
#include <iostream>

#include "tools/replay/WindowMode.h"

namespace platomer {

int runWindow(int, char**, std::istream&, char, const std::vector<std::string>&)
{
    std::cerr << "platomer-replay: built without Qt; use --model\n";
    return 2;
}

}  // namespace platomer
