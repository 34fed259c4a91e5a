#include "tests/support/SessionInvariants.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "calc/WageMath.h"
#include "model/AmountText.h"

namespace platomer {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// An amount as a panel shows it: an optional "-", digits, and a fraction after one of the
// given separators. Nothing else, not even a blank.
std::optional<double> amountValue(std::string_view text, std::string_view separators)
{
    std::size_t i = text.size() > 0 && text[0] == '-' ? 1 : 0;
    std::size_t digits = i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    if (i == digits) return std::nullopt;
    std::string plain(text.substr(0, i));
    if (i < text.size()) {
        if (separators.find(text[i]) == std::string_view::npos) return std::nullopt;
        std::size_t fraction = ++i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
        if (i == fraction || i != text.size()) return std::nullopt;
        plain += '.';
        plain += text.substr(fraction);
    }
    return std::strtod(plain.c_str(), nullptr);
}

std::string quoted(const Control& c) { return c.name() + " '" + c.text() + "'"; }

}  // namespace

SessionInvariants::SessionInvariants(TKalkulajda& form) : form_(form), controls_(form.parts())
{
    form_.setWatch(this);
    beforeAction();
}

SessionInvariants::~SessionInvariants() { form_.setWatch(nullptr); }

void SessionInvariants::handlerEntered(int depth) { deepest_ = std::max(deepest_, depth); }

void SessionInvariants::wageResultsWritten() { resultsWritten_ = true; }

void SessionInvariants::beforeAction()
{
    deepest_ = 0;
    resultsWritten_ = false;
}

std::string SessionInvariants::afterAction()
{
    for (auto check : {&SessionInvariants::nesting, &SessionInvariants::panels, &SessionInvariants::garnishment,
                       &SessionInvariants::bonus, &SessionInvariants::children, &SessionInvariants::declaration,
                       &SessionInvariants::year})
        if (std::string broken = (this->*check)(); !broken.empty()) return broken;
    return "";
}

std::string SessionInvariants::nesting() const
{
    if (deepest_ > NestingBound)
        return "nesting: handlers nested " + std::to_string(deepest_) + " deep, the bound is " +
               std::to_string(NestingBound);
    return "";
}

std::string SessionInvariants::panels() const
{
    const char separator[] = {form_.platform().decimalSeparator(), '\0'};
    // Every display panel, the employer's cost EdNaklZam among them.
    for (const Control& c : form_.controls())
        if (c.kind() == Kind::Display && !c.text().empty() && !amountValue(c.text(), separator))
            return "panels: " + quoted(c) + " is not an amount";
    return "";
}

std::string SessionInvariants::garnishment() const
{
    const GarnishmentState& g = form_.garnishment();
    if (auto protectedAmount = amountValue(controls_.pNezabKc.text(), ",."); protectedAmount && *protectedAmount < 0)
        return "garnishment: " + quoted(controls_.pNezabKc) + " is negative";
    // A deduction takes at most the whole net wage the page computed from, and nothing from none.
    const double net = std::max(0.0, g.ZbytekCiste + g.NezabCastka);
    for (const Control* c : {&controls_.pSrazBezO, &controls_.pBezSPrednost, &controls_.pBezSNepr,
                             &controls_.pSoubehPred, &controls_.pSoubehNepr})
        if (auto deduction = amountValue(c->text(), ",."); deduction && *deduction > net + 1e-9)
            return "garnishment: " + quoted(*c) + " exceeds the net wage " + FloatToStr(net, '.');
    return "";
}

std::string SessionInvariants::bonus() const
{
    if (!resultsWritten_) return "";
    // The net wage with the bonus less the net wage without it is the bonus shown.
    auto withBonus = amountValue(controls_.CprBezBon.text(), ",.");
    auto bonus = amountValue(controls_.DanBonus.text(), ",.");
    if (!withBonus || !bonus)
        return "bonus: " + quoted(controls_.CprBezBon) + " or " + quoted(controls_.DanBonus) + " unreadable";
    const double net = StrToIntDef(controls_.EdCista.text(), 0);
    if (std::abs(*withBonus - net - *bonus) > 1e-6)
        return "bonus: " + quoted(controls_.CprBezBon) + " less " + quoted(controls_.EdCista) + " is not " +
               quoted(controls_.DanBonus);
    return "";
}

std::string SessionInvariants::children() const
{
    bool anyChild = false;
    for (const auto& [plain, ztp] : controls_.ChckBxDeti) {
        // A child's ZTP-P card counts only with the child, so its box brings the child's box.
        if (ztp.ticked() && !plain.ticked()) return "children: " + ztp.name() + " is ticked without " + plain.name();
        anyChild = anyChild || plain.ticked();
    }
    if (controls_.CHckBNezdV.ticked() != anyChild)
        return std::string("children: CHckBNezdV is ") + (anyChild ? "unticked with" : "ticked without") +
               " a child box ticked";
    return "";
}

std::string SessionInvariants::declaration() const
{
    if (controls_.CHckBPodpis.ticked()) return "";
    // Without a declaration no credit and no child counts, so none can be ticked by the user.
    for (const Control* frame : {&controls_.GBNezdanC, &controls_.GroupBxDeti})
        for (int i = 0; i < frame->childCount(); ++i)
            if (const Control& box = frame->child(i); box.isTickBox() && box.enabled())
                return "declaration: unsigned, but " + box.name() + " is enabled";
    return "";
}

std::string SessionInvariants::year() const
{
    const TaxYear& y = form_.year();
    const int rok = form_.rok().rok;
    if (y.Rok != rok || form_.find("LabelRok")->text() != std::to_string(rok) ||
        form_.find("Label17")->text() != "od 1.1." + std::to_string(rok))
        return "year: the headings do not name the rules of " + std::to_string(rok);
    // A year without the student credit keeps its box unticked and locked.
    if (!y.SlevaStudPlati && (controls_.CHckBNezdS.ticked() || controls_.CHckBNezdS.enabled()))
        return "year: " + quoted(controls_.CHckBNezdS) + " is open in a year without the credit";
    // The law's thirds: a third of the remainder up to the limit, down to a multiple of three.
    const GarnishmentState& g = form_.garnishment();
    if (y.Tretiny == Thirds::DivisibleByThree && g.ZbytekCiste >= 0 && !controls_.pNezabKc.text().empty()) {
        const double upToLimit = std::min(g.ZbytekCiste, y.HraniceSrazek);
        if (g.DruhaTretina * 3 > upToLimit || g.DruhaTretina * 3 <= upToLimit - 3)
            return "year: the third " + FloatToStr(g.DruhaTretina, '.') + " is not that of " +
                   FloatToStr(upToLimit, '.');
    }
    // The law's split of the health insurance: the two shares make the total.
    const WageState& w = form_.wage();
    // Below the minimum base the shares make the minimum's premium instead.
    const std::int64_t total =
        healthMinimumApplies(y, w.Zamestnanec, w.Hruba) ? healthMinimumTotal(y) : healthTotal(y, w.Hruba);
    if (y.DeleniZdr == HealthSplit::EmployerRest && w.ZdrZam != 0 && controls_.ChckBZdrAno.ticked() &&
        static_cast<std::int64_t>(w.ZdrZam) + w.ZdrFir != total)
        return "year: the health shares " + std::to_string(w.ZdrZam) + " and " + std::to_string(w.ZdrFir) +
               " do not make the total";
    // No bonus below the year's smallest gross for one.
    if (resultsWritten_ && !bonusPaidAt(y, w.Hruba) && controls_.DanBonus.text() != "0")
        return "year: " + quoted(controls_.DanBonus) + " below half the minimum wage";
    return "";
}

}  // namespace platomer
