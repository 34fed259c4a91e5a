#pragma once
// Which handler each event of a control reaches.

#include <vector>

#include "model/Kalkulajda.h"

namespace platomer {

struct WiringRow {
    const char* control;
    Event event;
    TKalkulajda::Handler handler;
};

// The window's activation and its key preview are not events of a control: the user actions
// call FormActivate and FormKeyPress themselves.
const std::vector<WiringRow>& wiring();

}  // namespace platomer
