#pragma once
// Which handler each event of the window reaches.

#include <vector>

#include "model/Kalkulajda.h"

namespace platomer {

enum class Binds : unsigned char { Click, Change, Exit, Activate, KeyPress };

struct Binding {
    const char* control;
    Binds event;
    TKalkulajda::Handler handler;  // none for the key preview, which takes the key as well
};

const std::vector<Binding>& wiring();

}  // namespace platomer
