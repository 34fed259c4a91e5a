#pragma once
// What must hold in the window after every user action, whatever the user did before: handlers
// do not nest without end, panels show amounts, the garnishment never takes more than the net
// wage, the bonus is the difference of the two net wages, the option boxes keep their rules, and
// the window computes by the rules of the year its headings name.

#include <cstdint>
#include <string>

#include "model/Kalkulajda.h"

namespace platomer {

// Watches one window through a user session and checks, after each action, what must always hold.
class SessionInvariants {
public:
    // Sessions nest handlers at most 4 deep (a box unticked by the agreement inside the
    // recalculation of another box); a cascade past four times that does not end by itself.
    static constexpr int NestingBound = 16;

    explicit SessionInvariants(const TKalkulajda& form);
    void beforeAction();        // call before each user action
    std::string afterAction();  // "" when all holds, else one line naming the first broken rule

private:
    std::string nesting() const;
    std::string panels() const;
    std::string garnishment() const;
    std::string bonus() const;
    std::string children() const;
    std::string declaration() const;
    std::string year() const;

    const TKalkulajda& form_;
    int deepestBefore_ = 0;
    std::uint64_t writtenBefore_ = 0;
};

}  // namespace platomer
