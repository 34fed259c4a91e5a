#include "tests/sessions/ModelSession.h"

namespace platomer {

ModelSession::ModelSession(std::uint64_t seed, int index, std::ostream& out, SessionOptions options)
    : platform_(out, ','),
      form_(platform_),
      surface_(form_),
      script_(surface_, controlNames(), out),
      generator_(seed, index, options)
{
    surface_.start();
}

std::vector<std::string> ModelSession::controlNames()
{
    std::vector<std::string> names;
    for (const ControlRow& row : controlTable())
        if (row.kind != Kind::Window) names.emplace_back(row.name);
    return names;
}

std::vector<std::string> generateSession(std::uint64_t seed, int index, SessionOptions options)
{
    std::ostream discard(nullptr);
    ModelSession session(seed, index, discard, options);
    std::vector<std::string> lines;
    while (std::optional<std::string> line = session.nextLine()) {
        session.run(*line);
        lines.push_back(std::move(*line));
    }
    return lines;
}

}  // namespace platomer
