#pragma once
// The toolkit without a display: the offscreen platform unless another is chosen, and a runtime
// directory of the user's own, without which the toolkit warns on stderr. For the programs that
// drive the window without a desktop: the replay tool, the GUI tests, the benchmark.

#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace platomer {

// Before the application is made; `tool` names the runtime directory, one per tool and user.
inline void useOffscreen(const std::string& tool)
{
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (!std::getenv("XDG_RUNTIME_DIR")) {
        const std::string runtime = "/tmp/" + tool + "-" + std::to_string(getuid());
        mkdir(runtime.c_str(), 0700);
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    }
}

}  // namespace platomer
