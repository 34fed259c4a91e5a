#pragma once
// The window whose calculation steps a test or a benchmark runs itself: the recalculation and the
// search on a figure put straight into its field, with no user typing it first.

#include "model/Kalkulajda.h"

namespace platomer {

class DrivenKalkulajda : public TKalkulajda {
public:
    using TKalkulajda::HledejHrubou;
    using TKalkulajda::SpoctiTo;
    using TKalkulajda::TKalkulajda;
};

}  // namespace platomer
