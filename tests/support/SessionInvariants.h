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
class SessionInvariants : private HandlerWatch {
public:
    // Sessions nest handlers at most 4 deep (a box unticked by the agreement inside the
    // recalculation of another box); a cascade past four times that does not end by itself.
    static constexpr int NestingBound = 16;

    explicit SessionInvariants(TKalkulajda& form);
    ~SessionInvariants() override;
    SessionInvariants(const SessionInvariants&) = delete;
    SessionInvariants& operator=(const SessionInvariants&) = delete;
    void beforeAction();        // call before each user action
    std::string afterAction();  // "" when all holds, else one line naming the first broken rule

private:
    void handlerEntered(int depth) override;
    void wageResultsWritten() override;

    std::string nesting() const;
    std::string panels() const;
    std::string garnishment() const;
    std::string bonus() const;
    std::string children() const;
    std::string declaration() const;
    std::string year() const;

    TKalkulajda& form_;
    const TKalkulajda::Controls& controls_;
    // Since the last action began: how deep handlers nested, and whether the wage page's
    // results were written.
    int deepest_ = 0;
    bool resultsWritten_ = false;
};

}  // namespace platomer
