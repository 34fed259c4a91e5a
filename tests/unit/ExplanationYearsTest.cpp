// The explanations of every year: on both pages, for wages at the year's thresholds and under
// each tax route, every figure is explained (none left unexplained), every {name} of a rule or
// note is one of its operands, each operand's text is its number, and a result is what the
// control shows. The later years' own sentences appear where their rules differ.
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "explain/Explanation.h"
#include "model/UserActions.h"
#include "tests/unit/RecordingForm.h"

namespace platomer {

namespace {

using foundation_test::CollectingPlatform;

// An amount as the explanations write it: "−6 362,5 Kč", "6,5 %".
std::optional<Extended> czechAmount(std::string text)
{
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\u00A0") == 0) {
            ++i;
        } else if (text.compare(i, 3, "\u2212") == 0) {
            plain += '-';
            i += 2;
        } else if (text[i] == ',') {
            plain += '.';
        } else if (text[i] != ' ') {
            plain += text[i];
        }
    }
    // A rate is written in per cent and kept as a fraction.
    const bool percent = plain.ends_with("%");
    for (const char* unit : {"Kč", "%"})
        if (plain.size() > std::string_view(unit).size() && plain.ends_with(unit))
            plain.erase(plain.size() - std::string_view(unit).size());
    char* end = nullptr;
    const Extended value = std::strtold(plain.c_str(), &end);
    if (plain.empty() || end != plain.c_str() + plain.size()) return std::nullopt;
    return percent ? value / 100 : value;
}

struct Window {
    explicit Window(int rok)
    {
        user.activate();
        form.ZvolRok(rok);
    }
    void type(const char* field, const std::string& digits)
    {
        user.click(form.control(field));
        for (char c : digits)
            user.type(static_cast<char32_t>(c));
    }
    CollectingPlatform platform;
    TKalkulajda form{platform};
    UserActions user{form};
};

void checkPage(const TKalkulajda& form, int page)
{
    for (const ExplanationLine& l : computation(form, page)) {
        SCOPED_TRACE(l.control + ": " + render(l));
        EXPECT_NE(l.kind, LineKind::NotComputed);
        EXPECT_NE(l.kind, LineKind::Cleared);
        EXPECT_EQ(render(l).find('{'), std::string::npos);
        for (const Operand& o : l.operands) {
            const std::optional<Extended> read = czechAmount(o.value);
            ASSERT_TRUE(read) << o.name << " = " << o.value;
            EXPECT_NEAR(*read, o.number, 1e-9L * std::max<Extended>(1, std::fabs(o.number))) << o.name;
        }
        if (l.kind == LineKind::Result || l.kind == LineKind::Parameter) {
            EXPECT_EQ(czechAmount(l.result), czechAmount(l.shown));
        }
    }
}

class EveryYear : public testing::TestWithParam<int> {};

INSTANTIATE_TEST_SUITE_P(Explanations, EveryYear, testing::Values(2023, 2024, 2025, 2026),
                         [](const auto& info) { return std::to_string(info.param); });

TEST_P(EveryYear, ExplainsEveryFigureAtTheThresholdsOfEachRoute)
{
    const TaxYear y = findYear(GetParam())->rules();
    const std::vector<std::int64_t> grosses = {55,
                                               y.MalyRozsahOd - 1,
                                               y.MalyRozsahOd,
                                               y.MinHrubaBonus > 0 ? y.MinHrubaBonus - 1 : 8649,
                                               y.MinHrubaBonus > 0 ? y.MinHrubaBonus : 8650,
                                               static_cast<std::int64_t>(y.LimitDpp),
                                               static_cast<std::int64_t>(y.LimitDpp) + 1,
                                               45000,
                                               y.HraniceVyssi,
                                               y.HraniceVyssi + 1,
                                               250000};
    // Signed with two children, then an agreement, then unsigned.
    for (const std::vector<const char*>& clicks : std::vector<std::vector<const char*>>{
             {"ChckBxDeti1", "ChckBxDeti2z"}, {"CheckBxDpp"}, {"CHckBPodpis"}, {"CHckBPodpis", "CheckBxDpp"}})
        for (std::int64_t gross : grosses) {
            SCOPED_TRACE("gross " + std::to_string(gross));
            Window w(GetParam());
            for (const char* box : clicks)
                w.user.click(w.form.control(box));
            w.type("EdHruba", std::to_string(gross));
            w.user.click(w.form.control("ChckBxHrzCis"));
            w.user.click(w.form.control("ChckBxHrzCis"));
            checkPage(w.form, 0);
        }
}

TEST_P(EveryYear, ExplainsTheGarnishmentAroundItsLimit)
{
    const TaxYear y = findYear(GetParam())->rules();
    for (int persons : {0, 1, 3})
        for (std::int64_t above : std::vector<std::int64_t>{-500, 0, 10000, static_cast<std::int64_t>(y.HraniceSrazek),
                                                            static_cast<std::int64_t>(y.HraniceSrazek) + 1, 60000}) {
            SCOPED_TRACE(std::to_string(persons) + " persons, " + std::to_string(above) + " above");
            Window w(GetParam());
            w.user.clickPage(1);
            w.type("EdDeti", std::to_string(persons));
            w.user.click(w.form.control("EdExekCm"));
            const Extended share = static_cast<Extended>(y.ZakladNezab) * y.PodilNezabCitatel / y.PodilNezabJmenovatel;
            const auto net = static_cast<std::int64_t>(std::ceil(share + persons * y.NezabOsoba)) + above;
            for (char c : std::to_string(net))
                w.user.type(static_cast<char32_t>(c));
            w.user.press(Key::Tab);
            checkPage(w.form, 1);
        }
}

TEST(LaterYears, SayWhereTheirRulesDifferFromTheWindowsYear)
{
    Window w(2025);
    w.user.click(w.form.control("ChckBxDeti1"));
    // Exempt from the health minimum, so that the premium is split as the gross gives it.
    w.user.click(w.form.control("ChckBVyjimkaZP"));
    w.type("EdHruba", "10001");
    w.user.click(w.form.control("ChckBxHrzCis"));
    EXPECT_NE(render(explain(w.form, "PZdravotni")).find("okno roku 2023"), std::string::npos);
    EXPECT_NE(render(explain(w.form, "ZPF")).find("okno roku 2023"), std::string::npos);
    EXPECT_NE(render(explain(w.form, "DanBonus")).find("poloviny minimální mzdy"), std::string::npos);
    // No figure of a later year quotes the law as if the window differed from it.
    for (int page : {0, 1})
        for (const ExplanationLine& l : computation(w.form, page))
            EXPECT_EQ(render(l).find("Podle zákona"), std::string::npos) << l.control;
}

}  // namespace

}  // namespace platomer
