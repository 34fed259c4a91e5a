// platomer-replay: drives the program from a script like a user, on the real window
// (offscreen) or with --model on the bare model; both print the same.
#include <fstream>
#include <iostream>
#include <string>

#include "model/Years.h"
#include "tools/replay/ModelSurface.h"
#include "tools/replay/PrintingPlatform.h"
#include "tools/replay/ReplayScript.h"
#include "tools/replay/WindowMode.h"

namespace platomer {
namespace {

std::vector<std::string> controlNames()
{
    std::vector<std::string> names;
    for (const ControlRow& row : controlTable())
        if (row.kind != Kind::Window) names.emplace_back(row.name);
    return names;
}

int runModel(std::istream& script, char separator, int rok)
{
    PrintingPlatform platform(std::cout, separator);
    TKalkulajda form(platform);
    form.ZvolRok(rok);
    ModelSurface surface(form);
    surface.start();
    ReplayScript(surface, controlNames(), std::cout).run(script);
    return 0;
}

}  // namespace
}  // namespace platomer

int main(int argc, char** argv)
{
    using namespace platomer;
    bool model = false;
    // As the program does: the separator of the process locale, unless a test pins it.
    char separator = localeDecimalSeparator();
    std::string path;
    int rok = defaultYear().rok;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--model") {
            model = true;
        } else if (arg == "--rok" && i + 1 < argc) {
            const YearRow* row = yearNamed(argv[++i]);
            if (row == nullptr) {
                std::cerr << "platomer-replay: " << unknownYearMessage(argv[i]) << '\n';
                return 2;
            }
            rok = row->rok;
        } else if (arg == "--separator" && i + 1 < argc && std::string(argv[i + 1]).size() == 1) {
            separator = argv[++i][0];
        } else if (!arg.empty() && arg[0] != '-' && path.empty()) {
            path = arg;
        } else {
            std::cerr << "usage: platomer-replay [--model] [--rok YYYY] [--separator C] [SCRIPT]\n";
            return 2;
        }
    }
    std::ifstream file;
    if (!path.empty()) {
        file.open(path);
        if (!file) {
            std::cerr << "platomer-replay: cannot read " << path << '\n';
            return 2;
        }
    }
    std::istream& script = path.empty() ? std::cin : file;
    try {
        return model ? runModel(script, separator, rok) : runWindow(argc, argv, script, separator, controlNames(), rok);
    } catch (const ScriptError& e) {
        std::cout.flush();
        std::cerr << "platomer-replay: " << e.what() << '\n';
        return 2;
    }
}
