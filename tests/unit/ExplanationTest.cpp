// Every figure of both pages is explained by its structured line: the line's result is what the
// control shows, and its operands, read back from their Czech text, give that result by the rule
// the line states, recomputed here on its own. Checked over the worked numbers, over the states
// in which a figure is not the calculation's (cleared by a click, an unreadable input, nothing
// computed yet), and over a few hundred seeded sessions of both pages driven like a user.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "explain/Explanation.h"
#include "model/AmountText.h"
#include "model/UserActions.h"
#include "tests/unit/RecordingForm.h"

namespace platomer {

namespace {

using foundation_test::CollectingPlatform;

// ---- Reading the explanations back ----

// The text with every occurrence of `from` replaced.
std::string replaced(std::string text, std::string_view from, std::string_view to)
{
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// A figure as the explanations write it: "45 000 Kč" is 45000, "−3 828,75 Kč" is -3828.75, "6,5 %"
// is 0.065, "2" is 2; and a control's text, "1258,75". Nothing for anything else.
std::optional<Extended> czech(std::string text)
{
    text = replaced(replaced(replaced(text, "\u00A0", ""), "\u2212", "-"), ",", ".");
    bool percent = false;
    if (text.size() >= 3 && text.compare(text.size() - 3, 3, "Kč") == 0) text.resize(text.size() - 3);
    if (!text.empty() && text.back() == '%') {
        percent = true;
        text.pop_back();
    }
    if (text.empty()) return std::nullopt;
    char* end = nullptr;
    const Extended value = std::strtold(text.c_str(), &end);
    if (*end != '\0') return std::nullopt;
    return percent ? value / 100 : value;
}

// Whole crowns up and down: no product of a gross with the year's rates lies within a
// thousandth of a crown above a whole number, so a small margin absorbs the reading of a rate.
Extended roundedUp(Extended v) { return std::ceil(v - 1e-6L); }
Extended roundedDown(Extended v) { return std::floor(v + 1e-6L); }
// The nearest whole crown, half a crown to the even one.
Extended nearest(Extended v) { return std::nearbyint(v); }

// The window after its activation, used as a person uses it.
struct Calculator {
    Calculator() { user.activate(); }

    void typeDigits(std::string_view digits)
    {
        for (char c : digits)
            user.type(static_cast<char32_t>(c));
    }
    void click(const char* name) { user.click(form.control(name)); }
    // The gross typed into its emptied field and confirmed with Enter, which moves on to the net field.
    void gross(std::string_view amount)
    {
        user.click(form.control("EdHruba"));
        typeDigits(amount);
        user.press(Key::Enter);
    }
    void wantedNet(std::string_view amount)
    {
        user.click(form.control("EdCista"));
        typeDigits(amount);
        user.press(Key::Enter);
    }
    // The garnishment page: the net typed into its emptied field, then the persons and the
    // reduction, each field reached with Tab, which selects its text.
    void garnishment(std::string_view net, std::string_view persons, std::string_view reduction)
    {
        // Leaving the net field in gross mode switches to net mode and takes the focus back, so
        // the first click on the tab may not change the page; a person clicks again.
        for (int tries = 0; tries < 3 && form.activePage() != 1; ++tries)
            user.clickPage(1);
        ASSERT_EQ(form.activePage(), 1);
        user.click(form.control("EdExekCm"));
        typeDigits(net);
        user.press(Key::Tab);
        typeDigits(persons);
        user.press(Key::Tab);
        typeDigits(reduction);
        user.press(Key::Tab);
    }
    Extended panel(const char* name) { return czech(withoutBlanks(form.control(name).text())).value_or(NAN); }
    static std::string withoutBlanks(const std::string& text)
    {
        const std::size_t first = text.find_first_not_of(' ');
        return first == std::string::npos ? std::string() : text.substr(first);
    }
    std::string tooltip(const char* control) const { return replaced(render(explain(form, control)), "\u00A0", " "); }

    CollectingPlatform platform;
    TKalkulajda form{platform};
    UserActions user{form};
};

const std::vector<std::string>& wageFigures()
{
    static const std::vector<std::string> names{
        "PSocialni", "PZdravotni", "PZakladDane", "PCelkemN",  "POdpd",     "PDanN",      "PDan20p",
        "PDan15",    "DanBonus",   "EdCista",     "CprBezBon", "SPF",       "ZPF",        "PojSum",
        "EdNaklZam", "pNezdM",     "pNezdS",      "pNezdI",    "pNezdP",    "pNezdztp",   "pDite1",
        "pDite2",    "pDite3",     "pDite1ztp",   "pDite2ztp", "pDite3ztp", "p2SazDanod", "pMr"};
    return names;
}

const std::vector<std::string>& garnishmentFigures()
{
    static const std::vector<std::string> names{"pZivMinJ",      "pNormBydlo",  "pNezabKc",  "pSrazBezO",
                                                "pBezSPrednost", "pBezSNepr",   "pMzdaBezP", "pMzdaBezN",
                                                "pSoubehPred",   "pSoubehNepr", "pMzdaSoub"};
    return names;
}

// The value of an operand read from its text; a missing operand fails the test and reads as NaN.
Extended operand(const ExplanationLine& line, const char* name)
{
    const Operand* o = line.operand(name);
    if (!o) {
        ADD_FAILURE() << line.control << " has no operand " << name;
        return NAN;
    }
    return czech(o->value).value_or(NAN);
}

Extended operandOr(const ExplanationLine& line, const char* name, Extended otherwise)
{
    return line.operand(name) ? operand(line, name) : otherwise;
}

enum class TaxRoute { Signed, Withholding, Advance };

// The tax route by the boxes and the gross, decided here on its own.
TaxRoute routeOf(Calculator& c, Extended gross)
{
    if (c.form.parts().CHckBPodpis.ticked()) return TaxRoute::Signed;
    const Extended limit = c.form.parts().CheckBxDpp.ticked() ? 10000 : 4000;
    return gross <= limit ? TaxRoute::Withholding : TaxRoute::Advance;
}

// The signed route's basic tax and what is left of it after the credits, from a line's operands.
struct SignedTax {
    Extended basic, credits, advantage, afterCredits;
};
SignedTax signedTaxOf(Calculator& c, const ExplanationLine& l)
{
    const Extended base = operand(l, "ZakladZakl");
    EXPECT_NEAR(base, std::min<Extended>(c.panel("PZakladDane"), 161296), 1e-9) << l.control;
    const Extended basic = base > 0 ? base * 15 / 100 : 0;
    EXPECT_NEAR(operand(l, "ZakladniDan"), basic, 1e-9) << l.control;
    const Extended credits = operand(l, "SlevyCelkem"), advantage = operand(l, "ZvyhDeti");
    EXPECT_EQ(credits, c.panel("PCelkemN"));
    EXPECT_EQ(advantage, c.panel("POdpd"));
    return {basic, credits, advantage, basic > 0 ? basic - credits - advantage : 0};
}

Extended higherTaxOf(const ExplanationLine& l)
{
    if (!l.operand("DanVyssi")) return 0;
    EXPECT_NEAR(operand(l, "DanVyssi"), operand(l, "SazbaVyssi") * operand(l, "ZakladVyssi"), 1e-9);
    return operand(l, "DanVyssi");
}

// The insurance panels and the employer's sums.
std::optional<Extended> insuranceByRule(Calculator& c, const ExplanationLine& l, Extended gross, TaxRoute)
{
    const std::string& n = l.control;
    TKalkulajda& k = c.form;
    if (n == "PSocialni" || n == "SPF") {
        if (!k.parts().ChckBSocAno.ticked()) return 0;
        return roundedUp(operand(l, n == "SPF" ? "SazbaSocFir" : "SazbaSocZam") * gross);
    }
    if (n == "PZdravotni") {
        if (!k.parts().ChckBZdrAno.ticked()) return 0;
        EXPECT_EQ(operand(l, "ZdrCelkem"), roundedUp(operand(l, "SazbaZdr") * gross));
        return nearest(operand(l, "ZdrCelkem") / 3);
    }
    if (n == "ZPF") {
        if (!k.parts().ChckBZdrAno.ticked()) return 0;
        EXPECT_EQ(operand(l, "ZdrZam"), c.panel("PZdravotni"));
        EXPECT_NE(l.note.find("dvojnásobek podílu zaměstnance"), std::string::npos) << l.note;
        return 2 * operand(l, "ZdrZam");
    }
    if (n == "PojSum" || n == "EdNaklZam") {
        EXPECT_EQ(operand(l, "ZdrFir"), c.panel("ZPF"));
        EXPECT_EQ(operand(l, "SocFir"), c.panel("SPF"));
        return (n == "EdNaklZam" ? gross : 0) + operand(l, "ZdrFir") + operand(l, "SocFir");
    }
    return std::nullopt;
}

// The credits and the children's advantage.
std::optional<Extended> creditsByRule(Calculator& c, const ExplanationLine& l, Extended, TaxRoute)
{
    const std::string& n = l.control;
    TKalkulajda& k = c.form;
    if (n == "PCelkemN" || n == "POdpd") {
        // Every operand is one credit or one child; each ticked box brings its own.
        Extended sum = 0;
        for (const Operand& o : l.operands)
            sum += czech(o.value).value_or(NAN);
        const char* const boxes[] = {"CHckBNezdM", "CHckBNezdS", "CHckBNezdI", "CHckBNezdP", "CHckBNezdZTP"};
        const Extended amounts[] = {1267, 1860, 2320, 2320};
        std::size_t ticked = 0;
        if (n == "PCelkemN") {
            for (const char* box : boxes)
                ticked += k.control(box).ticked();
        } else if (k.parts().CHckBNezdV.ticked()) {
            for (int i = 1; i <= 4; ++i) {
                const std::string plain = "ChckBxDeti" + std::to_string(i);
                if (!k.control(plain).ticked()) continue;
                ++ticked;
                const Extended factor = k.control(plain + "z").ticked() ? 2 : 1;
                EXPECT_EQ(operand(l, ("Dite" + std::to_string(i)).c_str()), factor * amounts[i - 1]);
            }
        }
        EXPECT_EQ(l.operands.size(), ticked) << n;
        return sum;
    }
    return std::nullopt;
}

// The tax base, the three taxes and the bonus.
std::optional<Extended> taxByRule(Calculator& c, const ExplanationLine& l, Extended gross, TaxRoute route)
{
    const std::string& n = l.control;
    TKalkulajda& k = c.form;
    if (n == "PZakladDane") {
        if (route == TaxRoute::Withholding) return gross;
        return gross > 100 ? std::ceil(gross / 100) * 100 : std::max<Extended>(gross, 0);
    }
    if (n == "PDanN") {
        if (route != TaxRoute::Signed) return 0;
        const SignedTax t = signedTaxOf(c, l);
        return roundedUp(std::max<Extended>(0, t.afterCredits) + higherTaxOf(l));
    }
    if (n == "PDan20p") {
        if (route != TaxRoute::Advance) return 0;
        EXPECT_NEAR(operand(l, "DanZakl"), operand(l, "SazbaZal") * operand(l, "ZakladZakl"), 1e-9);
        return roundedUp(operand(l, "SazbaZal") * operand(l, "ZakladZakl") + higherTaxOf(l));
    }
    if (n == "PDan15") {
        if (route != TaxRoute::Withholding) return 0;
        EXPECT_EQ(operand(l, "ZakladSraz"), gross);
        return roundedDown(operand(l, "SazbaSraz") * operand(l, "ZakladSraz"));
    }
    if (n == "DanBonus") {
        if (!k.parts().CHckBNezdV.ticked() || route != TaxRoute::Signed) return 0;
        const SignedTax t = signedTaxOf(c, l);
        if (t.basic <= 0 || t.afterCredits >= 0) return 0;
        const Extended unused = t.basic - t.credits > 0 ? t.advantage - (t.basic - t.credits) : t.advantage;
        return unused >= 50 ? unused : 0;
    }
    return std::nullopt;
}

// The wage page's figure as its rule gives it from the line's operands; nothing for a line
// without a rule to recompute.
std::optional<Extended> wageByRule(Calculator& c, const ExplanationLine& l)
{
    const std::string& n = l.control;
    const Extended gross = l.operand("Hruba") ? operand(l, "Hruba") : Extended(c.form.wage().Hruba);
    const TaxRoute route = routeOf(c, gross);
    for (auto part : {insuranceByRule, creditsByRule, taxByRule})
        if (std::optional<Extended> figure = part(c, l, gross, route)) return figure;
    if (n == "EdCista") {
        const char* taxPanel = route == TaxRoute::Signed        ? "PDanN"
                               : route == TaxRoute::Withholding ? "PDan15"
                                                                : "PDan20p";
        const char* tax = route == TaxRoute::Signed        ? "DanN"
                          : route == TaxRoute::Withholding ? "DanSrazkova"
                                                           : "DanZaloha";
        EXPECT_EQ(operand(l, tax), c.panel(taxPanel));
        EXPECT_EQ(operand(l, "SocZam"), c.panel("PSocialni"));
        EXPECT_EQ(operand(l, "ZdrZam"), c.panel("PZdravotni"));
        return gross - operand(l, tax) - operand(l, "SocZam") - operand(l, "ZdrZam");
    }
    if (n == "CprBezBon") {
        EXPECT_EQ(operand(l, "Cista"), c.panel("EdCista"));
        EXPECT_EQ(operand(l, "Bonus"), c.panel("DanBonus"));
        return operand(l, "Cista") + operand(l, "Bonus");
    }
    if (n.rfind("pNezd", 0) == 0 || n.rfind("pDite", 0) == 0) {
        Extended sum = 0;
        for (const Operand& o : l.operands)
            sum += czech(o.value).value_or(NAN);
        return (n.rfind("pDite", 0) == 0 && n.size() > 6 ? 24 : 12) * sum;
    }
    return std::nullopt;
}

// The garnishment page's figure as its rule gives it from the line's operands.
std::optional<Extended> garnishmentByRule(Calculator& c, const ExplanationLine& l)
{
    const std::string& n = l.control;
    if (!l.operand("N")) return std::nullopt;
    const Extended net = operand(l, "N");
    EXPECT_EQ(net, c.panel("EdExekCm"));
    if (l.operand("ZbytekCiste")) {
        EXPECT_EQ(operand(l, "NezabCastka"), c.panel("pNezabKc"));
        EXPECT_EQ(operand(l, "ZbytekCiste"), net - operand(l, "NezabCastka"));
    }
    const Extended rest = operandOr(l, "ZbytekCiste", NAN), limit = operandOr(l, "HraniceSrazek", NAN);
    if (l.operand("PrvniTretina")) {
        const Extended third = rest > limit ? nearest(limit / 3) : nearest(rest / 3);
        EXPECT_EQ(operand(l, "PrvniTretina"), third);
        EXPECT_EQ(operand(l, "DruhaTretina"),
                  std::max<Extended>(0, rest > limit ? nearest(limit - 2 * (limit / 3)) : third));
        EXPECT_EQ(operand(l, "SrazBezOmez"), rest > limit ? nearest(rest - limit) : 0);
    }
    auto remaining = [&](Extended deductions) { return std::min(net, std::max<Extended>(0, net - deductions)); };
    if (n == "pNezabKc") {
        EXPECT_EQ(operand(l, "Dluznik"), (operand(l, "ZivMin") + operand(l, "NormBydlo")) * 2 / 3);
        const Extended persons = operandOr(l, "PocetOsob", 0), reduction = operandOr(l, "Ponizeni", 0);
        EXPECT_EQ(persons, c.panel("EdDeti"));
        EXPECT_EQ(reduction, c.panel("EdPoniz"));
        const Extended perPerson = persons != 0 ? operand(l, "NezabOsoba") : 0;
        return std::max<Extended>(0, roundedUp(operand(l, "Dluznik") + persons * perPerson) - reduction);
    }
    if (n == "pSrazBezO") return rest > limit ? nearest(rest - limit) : 0;
    const Extended first = operandOr(l, "PrvniTretina", 0), second = operandOr(l, "DruhaTretina", 0);
    const Extended above = operandOr(l, "SrazBezOmez", 0);
    if (n == "pBezSPrednost") return std::max<Extended>(0, first + second + above);
    if (n == "pBezSNepr" || n == "pSoubehPred") return std::max<Extended>(0, first + above);
    if (n == "pSoubehNepr") return std::max<Extended>(0, second);
    if (n == "pMzdaBezP") {
        EXPECT_EQ(operand(l, "SrazPrednost"), c.panel("pBezSPrednost"));
        return remaining(operand(l, "SrazPrednost"));
    }
    if (n == "pMzdaBezN") return remaining(second + above);
    if (n == "pMzdaSoub") {
        EXPECT_EQ(operand(l, "SrazNepr"), c.panel("pBezSNepr"));
        return remaining(operand(l, "SrazNepr") + second);
    }
    return std::nullopt;
}

// Everything a line claims: the control shows its figure, its Czech result is that figure, each
// operand's text is its number, every {name} is an operand, and the rule gives the figure.
void checkLine(Calculator& c, const ExplanationLine& l, int page)
{
    SCOPED_TRACE(l.control + ": " + render(l));
    const Control& control = c.form.control(l.control);
    if (l.kind == LineKind::Tick)
        EXPECT_EQ(l.shown, control.ticked() ? "ano" : "ne");
    else
        EXPECT_EQ(l.shown, Calculator::withoutBlanks(control.text()));
    for (const Operand& o : l.operands) {
        const std::optional<Extended> read = czech(o.value);
        ASSERT_TRUE(read) << o.name << " = " << o.value;
        EXPECT_NEAR(*read, o.number, 1e-9L * std::max<Extended>(1, std::fabs(o.number))) << o.name;
    }
    for (const std::string* text : {&l.rule, &l.note})
        for (std::size_t open = text->find('{'); open != std::string::npos; open = text->find('{', open + 1)) {
            const std::size_t close = text->find('}', open);
            ASSERT_NE(close, std::string::npos) << *text;
            EXPECT_TRUE(l.operand(text->substr(open + 1, close - open - 1))) << *text;
        }
    EXPECT_EQ(render(l).find('{'), std::string::npos);
    if (l.kind != LineKind::Result && l.kind != LineKind::Parameter) return;
    const std::optional<Extended> shown = czech(l.shown);
    ASSERT_TRUE(shown);
    EXPECT_EQ(czech(l.result), shown);
    const std::optional<Extended> byRule = page == 0 ? wageByRule(c, l) : garnishmentByRule(c, l);
    if (byRule) {
        EXPECT_NEAR(*byRule, *shown, 1e-9L) << "the rule gives " << static_cast<double>(*byRule);
    }
}

// The pages with every figure explained from the calculation.
void checkAllExplained(Calculator& c, const std::vector<int>& pages = {0, 1})
{
    for (int page : pages) {
        const std::vector<ExplanationLine> lines = computation(c.form, page);
        for (const std::string& figure : page == 0 ? wageFigures() : garnishmentFigures())
            EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const auto& l) { return l.control == figure; }))
                << figure;
        for (const ExplanationLine& l : lines) {
            EXPECT_TRUE(l.kind != LineKind::Cleared && l.kind != LineKind::NotComputed)
                << l.control << ": " << render(l);
            checkLine(c, l, page);
        }
    }
}

// ---- The worked numbers ----

TEST(ExplainedFigures, StartUpGross17300)
{
    Calculator c;
    checkAllExplained(c);
    for (int page : {0, 1})
        for (const ExplanationLine& l : computation(c.form, page))
            EXPECT_EQ(render(explain(c.form, l.control)), render(l)) << "one line of " << l.control;
    EXPECT_EQ(c.tooltip("PSocialni"), "6,5 % z hrubé mzdy 17 300 Kč = 1 125 Kč (zaokrouhleno nahoru na celé koruny).");
    EXPECT_EQ(c.tooltip("PDanN"),
              "Daň 15 % ze základu 17 300 Kč (2 595 Kč) − slevy 2 570 Kč − zvýhodnění na děti 0 Kč = 25 Kč "
              "(zaokrouhleno nahoru na celé koruny).");
    // Total 2336 leaves remainder 2: the employer pays twice 779, one crown more than the rest.
    EXPECT_NE(c.tooltip("ZPF").find("ne zbytek celkového pojistného 2 336 Kč, který by v běžné praxi činil 1 557 Kč"),
              std::string::npos);
    EXPECT_EQ(explain(c.form, "EdNaklZam").shown, "23149");
}

TEST(ExplainedFigures, Unsigned3500TakesTheWithholdingTax)
{
    Calculator c;
    c.click("CHckBPodpis");
    c.gross("3500");
    checkAllExplained(c);
    EXPECT_EQ(explain(c.form, "PDan15").shown, "525");
    EXPECT_EQ(c.tooltip("PDan15").rfind("15 % z hrubé mzdy 3 500 Kč = 525 Kč (zaokrouhleno dolů", 0), 0u);
    EXPECT_NE(c.tooltip("PZakladDane").find("nezaokrouhluje"), std::string::npos);
    // Plain employment below 4000 still pays insurance here, unlike common practice.
    for (const char* insurance : {"PSocialni", "PZdravotni", "SPF", "ZPF"})
        EXPECT_NE(c.tooltip(insurance).find("V běžné praxi se z mzdy pod 4 000 Kč"), std::string::npos) << insurance;
    EXPECT_NE(c.tooltip("PDanN").find("Bez podepsaného prohlášení"), std::string::npos);
}

TEST(ExplainedFigures, Gross200000SplitsTheBaseAtTheHigherRate)
{
    Calculator c;
    c.gross("200000");
    checkAllExplained(c);
    const ExplanationLine tax = explain(c.form, "PDanN");
    EXPECT_EQ(tax.shown, "30527");
    EXPECT_NEAR(operand(tax, "DanVyssi"), 8901.92L, 1e-9);
    EXPECT_NE(c.tooltip("PDanN").find("+ daň 23 % z části základu nad hranicí 38 704 Kč (8 901,92 Kč)"),
              std::string::npos);

    Calculator unsignedWage;
    unsignedWage.click("CHckBPodpis");
    unsignedWage.gross("200000");
    checkAllExplained(unsignedWage);
    EXPECT_EQ(explain(unsignedWage.form, "PDan20p").shown, "33097");
}

TEST(ExplainedFigures, HigherRateOnTheBaseOfAGrossBelowTheThreshold)
{
    Calculator c;
    c.gross("161201");
    checkAllExplained(c);
    EXPECT_NE(c.tooltip("PDanN").find("i když hrubá mzda 161 201 Kč hranici 161 296 Kč nepřesahuje"),
              std::string::npos);
}

TEST(ExplainedFigures, TwoChildrenAt20000GiveTheBonus2697)
{
    Calculator c;
    c.click("ChckBxDeti1");
    c.click("ChckBxDeti2");
    c.gross("20000");
    checkAllExplained(c);
    EXPECT_EQ(explain(c.form, "DanBonus").shown, "2697");
    EXPECT_EQ(
        c.tooltip("DanBonus").rfind("Zvýhodnění na děti 3 127 Kč − (daň 3 000 Kč − slevy 2 570 Kč) = 2 697 Kč.", 0),
        0u);
    EXPECT_EQ(c.tooltip("DanBonus").find("V běžné praxi"), std::string::npos) << "20000 is above half the minimum wage";
    EXPECT_EQ(explain(c.form, "CprBezBon").shown, "20497");
}

TEST(ExplainedFigures, Gross55WithOneChildGivesABonusWithAFraction)
{
    Calculator c;
    c.click("ChckBxDeti1");
    c.click("CHckBNezdM");
    c.gross("55");
    checkAllExplained(c);
    const ExplanationLine bonus = explain(c.form, "DanBonus");
    EXPECT_EQ(bonus.shown, "1258,75");
    EXPECT_EQ(c.tooltip("DanBonus").rfind("Zvýhodnění na děti 1 267 Kč − (daň 8,25 Kč − slevy 0 Kč) = 1 258,75 Kč.", 0),
              0u);
    EXPECT_NE(bonus.note.find("8\u00A0650\u00A0Kč"), std::string::npos) << "the bonus at any gross";
    EXPECT_NE(bonus.note.find("zlomek koruny"), std::string::npos);
    EXPECT_NE(c.tooltip("PZakladDane").find("Základ do 100 Kč se nezaokrouhluje."), std::string::npos);
    EXPECT_EQ(explain(c.form, "CprBezBon").shown, "1306,75");
}

struct BonusCase {
    const char* rule;
    const char* child;
    const char* gross;
    const char* bonus;
};

class ExplainedBonus : public testing::TestWithParam<BonusCase> {};

TEST_P(ExplainedBonus, PaidFromFiftyCrowns)
{
    Calculator c;
    c.click(GetParam().child);
    c.gross(GetParam().gross);
    checkAllExplained(c);
    EXPECT_EQ(explain(c.form, "DanBonus").shown, GetParam().bonus);
}

INSTANTIATE_TEST_SUITE_P(MinBonus, ExplainedBonus,
                         testing::Values(BonusCase{"unused_42_is_not_paid", "ChckBxDeti1", "25300", "0"},
                                         BonusCase{"unused_exactly_50_is_paid", "ChckBxDeti2", "29200", "50"},
                                         BonusCase{"unused_35_is_not_paid", "ChckBxDeti2", "29300", "0"},
                                         BonusCase{"tax_absorbs_the_advantage", "ChckBxDeti1", "40000", "0"},
                                         BonusCase{"no_tax_at_gross_0", "ChckBxDeti1", "0", "0"},
                                         BonusCase{"ztp_child_counts_twice", "ChckBxDeti1z", "17300", "2509"}),
                         [](const auto& info) { return std::string(info.param.rule); });

TEST(ExplainedFigures, BonusBelowFiftyCrownsSaysSo)
{
    Calculator c;
    c.click("ChckBxDeti1");
    c.gross("25300");
    EXPECT_NE(c.tooltip("DanBonus").find("Nevyužité zvýhodnění 42 Kč je menší než 50 Kč"), std::string::npos)
        << c.tooltip("DanBonus");
    Calculator ztp;
    ztp.click("ChckBxDeti1z");
    EXPECT_EQ(ztp.tooltip("POdpd"), "První dítě s průkazem ZTP-P, dvojnásobně 2 534 Kč = 2 534 Kč.");
}

TEST(ExplainedFigures, UnreachableNetShowsTheLargestGross)
{
    Calculator c;
    c.wantedNet("2000000000");
    checkAllExplained(c);
    EXPECT_NE(c.tooltip("EdCista").find("nedává žádná hrubá mzda do 2 147 483 647 Kč"), std::string::npos);
}

TEST(ExplainedFigures, AgreementUpTo10000PaysNoInsurance)
{
    Calculator c;
    c.click("CheckBxDpp");
    c.click("CHckBPodpis");
    c.gross("10000");
    checkAllExplained(c);
    EXPECT_EQ(explain(c.form, "PDan15").shown, "1500");
    EXPECT_NE(c.tooltip("PSocialni").find("U dohody o provedení práce do 10 000 Kč včetně se pojištění neplatí."),
              std::string::npos);
}

TEST(ExplainedFigures, NetToGrossSaysTheGrossWasSearched)
{
    Calculator c;
    c.click("ChckBxDeti1");
    c.click("ChckBxDeti2");
    c.wantedNet("17800");
    checkAllExplained(c);
    EXPECT_EQ(explain(c.form, "EdCista").shown, "17800");
    EXPECT_NE(c.tooltip("EdCista").find("byla nalezena hledáním od zadané čisté mzdy"), std::string::npos);
    EXPECT_NE(c.tooltip("EdCista").find("o něco vyšší než zadaná"), std::string::npos);
}

struct GarnishmentCase {
    const char* rule;
    const char* net;
    const char* persons;
    const char* priority;  // pBezSPrednost
    const char* aboveLimit;
};

class ExplainedGarnishment : public testing::TestWithParam<GarnishmentCase> {};

TEST_P(ExplainedGarnishment, EveryFigureFollowsFromItsOperands)
{
    Calculator c;
    c.garnishment(GetParam().net, GetParam().persons, "");
    checkAllExplained(c);
    EXPECT_EQ(explain(c.form, "pBezSPrednost").shown, GetParam().priority);
    EXPECT_EQ(explain(c.form, "pSrazBezO").shown, GetParam().aboveLimit);
}

INSTANTIATE_TEST_SUITE_P(WorkedTable, ExplainedGarnishment,
                         testing::Values(GarnishmentCase{"net_15298_no_person", "15298", "", "1106", "0"},
                                         GarnishmentCase{"net_45000_two_persons", "45000", "2", "16362", "0"},
                                         GarnishmentCase{"net_45000_one_person_rounds_up", "45000", "1", "18634", "0"},
                                         GarnishmentCase{"net_60000_above_the_limit", "60000", "", "36132", "15676"},
                                         GarnishmentCase{"net_below_the_protected_amount", "13000", "", "0", "0"}),
                         [](const auto& info) { return std::string(info.param.rule); });

TEST(ExplainedGarnishmentText, NonSeizableAmountWithPersonsAndTheThirds)
{
    Calculator c;
    c.garnishment("45000", "2", "");
    EXPECT_EQ(c.tooltip("pNezabKc"),
              "Dvě třetiny součtu životního minima 4 860 Kč a nákladu na bydlení 15 597 Kč, tj. 13 638 Kč, + 2 × "
              "čtvrtina z toho 3 409,5 Kč na vyživované osoby = 20 457 Kč (zaokrouhleno nahoru na celé koruny).");
    EXPECT_EQ(
        c.tooltip("pBezSPrednost").rfind("Dvě třetiny 8 181 Kč + 8 181 Kč a část nad hranicí 0 Kč = 16 362 Kč.", 0),
        0u);
    Calculator above;
    above.garnishment("60000", "", "");
    EXPECT_EQ(above.tooltip("pSrazBezO")
                  .rfind("Zbytek 46 362 Kč − hranice 30 685,5 Kč = 15 676 Kč (na celé koruny, "
                         "půl koruny k sudému číslu).",
                         0),
              0u);
}

TEST(ExplainedGarnishmentText, ReductionBeyondTheProtectedAmountStopsAtNothing)
{
    // The whole protected amount of one person pasted as the reduction, then the person taken
    // away: the reduction exceeds what is protected, and the amount stops at nothing.
    Calculator c;
    c.user.clickPage(1);
    c.user.click(c.form.control("EdExekCm"));
    c.typeDigits("15298");
    c.user.press(Key::Tab);
    c.typeDigits("1");
    c.user.press(Key::Tab);
    c.user.paste("17048");
    checkAllExplained(c);
    c.user.press(Key::Backtab);
    c.typeDigits("0");
    checkAllExplained(c);
    EXPECT_EQ(explain(c.form, "pNezabKc").shown, "0");
    EXPECT_NE(c.tooltip("pNezabKc").find("− ponížení 17 048 Kč, nejméně však 0 Kč = 0 Kč"), std::string::npos)
        << c.tooltip("pNezabKc");
}

// ---- Figures that are not the calculation's ----

TEST(UnexplainedFigures, ClickIntoTheGrossFieldClearsTheResults)
{
    Calculator c;
    c.click("CHckBPodpis");
    c.user.click(c.form.control("EdHruba"));
    c.typeDigits("45000");
    int cleared = 0;
    for (const ExplanationLine& l : computation(c.form, 0)) {
        EXPECT_NE(l.kind, LineKind::NotComputed) << l.control;
        if (l.kind == LineKind::Cleared) {
            ++cleared;
            EXPECT_NE(l.note.find("vymazány kliknutím do pole „Hrubá mzda“"), std::string::npos) << l.note;
        } else if (l.kind == LineKind::Result) {
            EXPECT_NE(l.note.find("ukazuje ještě předchozí výpočet"), std::string::npos) << l.control;
        }
    }
    // Every figure that was not 0 before: the insurance, the base, the net wages, the employer's.
    EXPECT_EQ(cleared, 9);
    // The advance is not cleared by the click: it still shows the previous calculation.
    const ExplanationLine tax = explain(c.form, "PDan20p");
    EXPECT_EQ(tax.kind, LineKind::Result);
    EXPECT_EQ(tax.shown, "2595");
    EXPECT_NE(tax.note.find("předchozí výpočet pro hrubou mzdu 17\u00A0300\u00A0Kč"), std::string::npos);

    c.user.press(Key::Enter);
    checkAllExplained(c);
    EXPECT_EQ(explain(c.form, "PSocialni").shown, "2925");
    EXPECT_EQ(c.tooltip("PSocialni"), "6,5 % z hrubé mzdy 45 000 Kč = 2 925 Kč (zaokrouhleno nahoru na celé koruny).");
}

TEST(UnexplainedFigures, ClickIntoTheNetFieldAsksForTheWantedNet)
{
    Calculator c;
    c.user.click(c.form.control("EdCista"));
    c.typeDigits("20000");
    const ExplanationLine net = explain(c.form, "EdCista");
    EXPECT_EQ(net.kind, LineKind::Cleared);
    EXPECT_NE(net.note.find("požadovaná čistá mzda"), std::string::npos) << net.note;
    EXPECT_EQ(explain(c.form, "PDanN").kind, LineKind::Cleared);
}

TEST(UnexplainedFigures, NumbersTypedWithoutLeavingTheFieldAreNotComputedYet)
{
    Calculator c;
    c.user.press(Key::Tab);  // from the tab strip into the gross field, its text selected
    c.typeDigits("50000");
    const ExplanationLine social = explain(c.form, "PSocialni");
    EXPECT_EQ(social.kind, LineKind::Result);
    EXPECT_EQ(social.shown, "1125");
    EXPECT_NE(social.note.find("Výsledek platí pro hrubou mzdu 17\u00A0300\u00A0Kč"), std::string::npos);
    EXPECT_NE(explain(c.form, "EdHruba").note.find("nová částka se spočítá"), std::string::npos);
}

TEST(UnexplainedFigures, EmptyOrUnreadableGrossCountsAsZero)
{
    Calculator c;
    c.gross("");
    checkAllExplained(c);
    EXPECT_NE(explain(c.form, "EdHruba").note.find("Prázdné pole se počítá jako hrubá mzda 0 Kč."), std::string::npos);

    Calculator dotted;
    dotted.user.click(dotted.form.control("EdHruba"));
    dotted.user.paste("17.300");
    dotted.user.press(Key::Enter);
    checkAllExplained(dotted);
    EXPECT_NE(explain(dotted.form, "EdHruba").note.find("Text „17.300“ není celé číslo"), std::string::npos);
    EXPECT_EQ(explain(dotted.form, "PSocialni").shown, "0");
}

TEST(UnexplainedFigures, EmptiedGarnishmentNetKeepsTheLastCalculation)
{
    Calculator c;
    c.garnishment("45000", "2", "");
    c.user.click(c.form.control("EdExekCm"));  // empties the field; the calculation stops before any panel
    const ExplanationLine input = explain(c.form, "EdExekCm");
    EXPECT_NE(input.note.find("Pole je prázdné"), std::string::npos) << input.note;
    for (const std::string& figure : garnishmentFigures()) {
        const ExplanationLine l = explain(c.form, figure);
        EXPECT_TRUE(l.kind == LineKind::Result || l.kind == LineKind::Parameter) << figure;
        if (l.kind == LineKind::Result) {
            EXPECT_NE(render(l).find("výsledky platí pro čistou mzdu 45\u00A0000\u00A0Kč"), std::string::npos)
                << render(l);
        }
    }
    EXPECT_EQ(explain(c.form, "pNezabKc").shown, "20457");
}

TEST(UnexplainedFigures, NothingIsExplainedBeforeTheFirstCalculation)
{
    CollectingPlatform platform;
    TKalkulajda form{platform};
    for (int page : {0, 1})
        for (const ExplanationLine& l : computation(form, page))
            if (l.kind != LineKind::Tick && l.control != "EdDeti" && l.control != "EdPoniz") {
                EXPECT_EQ(l.kind, LineKind::NotComputed) << l.control;
            }
}

TEST(UnexplainedFigures, ControlsWithoutAFigureAreRefused)
{
    Calculator c;
    EXPECT_THROW(explain(c.form, "LHruba"), std::invalid_argument);
    EXPECT_THROW(explain(c.form, "NoSuchControl"), std::invalid_argument);
    EXPECT_THROW(computation(c.form, 2), std::invalid_argument);
}

// ---- The clipboard form ----

TEST(CopiedComputation, TitleThenLabelTabAmountWithoutPadding)
{
    Calculator c;
    const std::string text = copyText(c.form, 0);
    std::vector<std::string> rows;
    for (std::size_t at = 0, end; (end = text.find('\n', at)) != std::string::npos; at = end + 1)
        rows.push_back(text.substr(at, end - at));
    ASSERT_EQ(rows.size(), computation(c.form, 0).size() + 1);
    EXPECT_EQ(rows[0], "Mzdové výpočty – pravidla roku 2023");
    EXPECT_EQ(rows[1], "Hrubá mzda\t17300");
    EXPECT_EQ(rows[2], "Podepsal prohlášení k dani\tano");
    for (const char* row : {"Sociální zaměstnanec\t1125", "Čistá mzda bez bonusu\t15371",
                            "Náklady zaměstnavatele\t23149", "Sociální firma\t4291"})
        EXPECT_NE(std::find(rows.begin(), rows.end(), row), rows.end()) << row;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const std::size_t tab = rows[i].find('\t');
        ASSERT_NE(tab, std::string::npos) << rows[i];
        EXPECT_NE(rows[i][tab + 1], ' ') << rows[i];
        EXPECT_EQ(rows[i].find('\t', tab + 1), std::string::npos) << rows[i];
    }
    const std::string garnishment = copyText(c.form, 1);
    EXPECT_NE(garnishment.find("\nBez souběhu částek – Srážka přednostní\t1156\n"), std::string::npos) << garnishment;
}

// ---- Seeded sessions of both pages ----

std::string randomAmount(std::mt19937& rng)
{
    const int scale = std::uniform_int_distribution<int>(0, 4)(rng);
    const int limits[] = {150, 4100, 12000, 250000, 3000000};
    return std::to_string(std::uniform_int_distribution<int>(0, limits[scale])(rng));
}

TEST(ExplainedSessions, SeededSessionsOfBothPages)
{
    const char* const boxes[] = {"CHckBPodpis",  "CheckBxDpp",  "ChckBSocAno", "ChckBZdrAno",  "CHckBNezdM",
                                 "CHckBNezdS",   "CHckBNezdI",  "CHckBNezdP",  "CHckBNezdZTP", "ChckBxDeti1",
                                 "ChckBxDeti2",  "ChckBxDeti3", "ChckBxDeti4", "ChckBxDeti1z", "ChckBxDeti2z",
                                 "ChckBxDeti3z", "ChckBxDeti4z"};
    std::mt19937 rng(20230101);
    auto chance = [&](int percent) { return std::uniform_int_distribution<int>(0, 99)(rng) < percent; };
    auto anyBox = [&] { return boxes[std::uniform_int_distribution<std::size_t>(0, std::size(boxes) - 1)(rng)]; };
    for (int session = 0; session < 300; ++session) {
        Calculator c;
        std::string actions;
        for (int i = std::uniform_int_distribution<int>(0, 4)(rng); i > 0; --i) {
            const char* box = anyBox();
            actions += std::string(" click ") + box;
            c.click(box);
        }
        const std::string amount = randomAmount(rng);
        if (chance(25)) {
            actions += " net " + amount;
            c.wantedNet(amount);
        } else {
            actions += " gross " + amount;
            c.gross(amount);
        }
        // Anything done after the amount leaves the net field, which switches to net mode and
        // searches from the net shown; some sessions end with the amount to see gross mode.
        const bool more = chance(60);
        for (int i = more ? std::uniform_int_distribution<int>(0, 2)(rng) : 0; i > 0; --i) {
            const char* box = anyBox();
            actions += std::string(" click ") + box;
            c.click(box);
        }
        if (more && chance(70)) {
            const std::string net = chance(80) ? randomAmount(rng) : "";
            const std::string persons = std::to_string(std::uniform_int_distribution<int>(0, 4)(rng));
            const std::string reduction = chance(30) ? randomAmount(rng) : "";
            actions += " garnishment ";
            actions += net;
            actions += '/';
            actions += persons;
            actions += '/';
            actions += reduction;
            c.garnishment(net, persons, reduction);
        }
        SCOPED_TRACE("session " + std::to_string(session) + ":" + actions);
        // An emptied net leaves the garnishment page with a previous calculation, checked above.
        if (c.form.parts().EdExekCm.text().find_first_not_of(' ') == std::string::npos)
            checkAllExplained(c, {0});
        else
            checkAllExplained(c);
        if (testing::Test::HasFailure()) break;
    }
}

}  // namespace

}  // namespace platomer
