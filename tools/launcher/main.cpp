// platomer-launcher TEMPLATE OUTPUT: writes the desktop launcher from its template, with the
// years whose rules the program knows and an action for each year but the window's own, so that
// the launcher offers exactly the years of the program's list.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "model/Years.h"

namespace {

void replace(std::string& text, const std::string& key, const std::string& value)
{
    for (std::size_t at = text.find(key); at != std::string::npos; at = text.find(key, at + value.size()))
        text.replace(at, key.size(), value);
}

}  // namespace

int main(int argc, char** argv)
{
    using namespace platomer;
    if (argc != 3) {
        std::cerr << "usage: platomer-launcher TEMPLATE OUTPUT\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    std::stringstream buffer;
    buffer << in.rdbuf();
    if (!in) {
        std::cerr << "platomer-launcher: cannot read " << argv[1] << '\n';
        return 1;
    }
    std::string ids, groups;
    for (const YearRow& row : years()) {
        if (row.rok == defaultYear().rok) continue;
        const std::string year = std::to_string(row.rok);
        ids += "rok" + year + ";";
        groups.append("\n[Desktop Action rok").append(year).append("]\nName=Pravidla roku ").append(year);
        groups.append("\nExec=platomer --rok ").append(year).append("\n");
    }
    std::string text = buffer.str();
    replace(text, "@YEARS@", yearListText());
    replace(text, "@ACTIONS@", "Actions=" + ids + "\n" + groups);
    std::ofstream out(argv[2]);
    if (!(out << text)) {
        std::cerr << "platomer-launcher: cannot write " << argv[2] << '\n';
        return 1;
    }
    return 0;
}
