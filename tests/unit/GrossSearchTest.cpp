// The net-to-gross search passes over candidates only where the net provably stays more than 100
// below the target; these tests hold it to the plain candidate sequence, candidate by candidate.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "calc/GrossSearch.h"
#include "calc/WageMath.h"
#include "model/AmountText.h"
#include "model/Kalkulajda.h"
#include "model/UserActions.h"
#include "tests/support/DrivenKalkulajda.h"
#include "tests/support/LiteralSearch.h"
#include "tests/unit/RecordingForm.h"

namespace platomer {

namespace {

// A search costs about 140 evaluations of the net. Every target up to 30000 is searched under
// every option combination. Sanitizer builds, about ten times slower, search every 7th target of
// that range per combination, each combination from its own offset, so that every target is
// still searched under some combination (7 is prime to 10 and 100, so every position within a
// hundred comes up under each), and take fewer large random targets; PLATOMER_FULL_SWEEP=1
// restores the full sweep there.
#if defined(__SANITIZE_ADDRESS__)
constexpr int RandomTargetsPerOption = 250;
bool fullSweep() { return std::getenv("PLATOMER_FULL_SWEEP") != nullptr; }
#else
constexpr int RandomTargetsPerOption = 1000;
bool fullSweep() { return true; }
#endif

constexpr std::int32_t LargestGross = 2147483647;

using foundation_test::CollectingPlatform;

// The window after activation, with the year chosen and the boxes of one option combination
// clicked as a user would.
struct Calculator {
    explicit Calculator(const std::vector<std::string>& clicks, int rok = 2023, std::int64_t earlierBase = 0)
    {
        user.activate();
        k.ZvolRok(rok);
        for (const std::string& name : clicks)
            user.click(k.control(name));
        if (earlierBase != 0) k.control("EdZakladRok").setText(std::to_string(earlierBase));
    }

    // Gross to net: the gross typed into its field and the recalculation run.
    std::int32_t netFor(std::int64_t gross)
    {
        k.control("EdHruba").setText(std::to_string(gross));
        k.SpoctiTo(k.control("EdHruba"));
        return StrToInt(k.wage().TextCista);
    }

    // Net to gross: the target in its field and the whole search run.
    std::int32_t grossFor(std::int32_t target)
    {
        k.control("EdCista").setText(std::to_string(target));
        k.HledejHrubou();
        return StrToIntDef(k.parts().EdHruba.text(), -1);
    }

    void searchMode()
    {
        if (!k.parts().ChckBxHrzCis.ticked()) user.click(k.control("ChckBxHrzCis"));
    }

    CollectingPlatform platform;
    DrivenKalkulajda k{platform};
    UserActions user{k};
};

struct OptionCase {
    const char* name;
    std::vector<std::string> clicks;  // after activation: signed, "Na poplatníka", both insurances
    WageOptions wage;
    // With the agreement and the insurance boxes ticked, grosses within the agreement's limit
    // untick the boxes; such combinations are checked only above the limit.
    std::int32_t lowestGross = 0;
    // The social base earned earlier in the year, where the year asks for it.
    std::int64_t earlierBase = 0;
};

const OptionCase Options[] = {
    {"SignedTaxpayerCredit", {}, {true, false, true, true, 0, 2570}},
    {"NotSigned", {"CHckBPodpis"}, {false, false, true, true, 0, 0}},
    {"SignedTwoChildren", {"ChckBxDeti1", "ChckBxDeti2"}, {true, false, true, true, 3127, 2570}},
    {"SignedFourChildrenWithZtpCards",
     {"ChckBxDeti1z", "ChckBxDeti2z", "ChckBxDeti3z", "ChckBxDeti4z"},
     {true, false, true, true, 15534, 2570}},
    {"SignedStudentAndDisabilityCredits",
     {"CHckBNezdS", "CHckBNezdP", "CHckBNezdZTP"},
     {true, false, true, true, 0, 2570 + 335 + 420 + 1345}},
    {"SignedWithoutSocialInsurance", {"ChckBSocAno"}, {true, false, false, true, 0, 2570}},
    {"NotSignedWithoutHealthInsurance", {"CHckBPodpis", "ChckBZdrAno"}, {false, false, true, false, 0, 0}},
    {"SignedChildOnlyWithoutInsurance",
     {"ChckBSocAno", "ChckBZdrAno", "CHckBNezdM", "ChckBxDeti1"},
     {true, false, false, false, 1267, 0}},
    {"NotSignedAgreementWithoutInsurance",
     {"CHckBPodpis", "CheckBxDpp", "ChckBSocAno", "ChckBZdrAno"},
     {false, true, false, false, 0, 0}},
    {"SignedAgreementWithInsurance", {"CheckBxDpp"}, {true, true, true, true, 0, 2570}, 10001},
    // The employee's circumstances, which the window's own year hides and ignores.
    {"SignedPensioner", {"ChckBDuchodce"}, {true, false, true, true, 0, 2570}},
    {"NotSignedAgreementOnWorkActivity", {"CHckBPodpis", "CheckBxDpc"}, {false, false, true, true, 0, 0}},
    {"SignedExemptFromTheHealthMinimum", {"ChckBVyjimkaZP"}, {true, false, true, true, 0, 2570}},
    // Some 10 000 to 250 000 crowns left of the year's cap: the sweep passes it.
    {"SignedPensionerNearTheCap", {"ChckBDuchodce"}, {true, false, true, true, 0, 2570}, 0, 2100000},
};

// Every option combination in every year.
struct YearOption {
    OptionCase option;
    int rok;
    // The options as the year's rules give them: no student credit where the year has none, and
    // the agreement's own limit.
    WageOptions wage() const
    {
        WageOptions w = option.wage;
        const TaxYear y = findYear(rok)->rules();
        const bool student = std::find(option.clicks.begin(), option.clicks.end(), "CHckBNezdS") != option.clicks.end();
        if (student) w.slevyCelkem += y.SlevaStud - 335;
        // Where the year asks for the employee, the agreement is the kind of work and the holder of
        // a ZTP-P card is exempt from the health minimum.
        if (y.Ucast == Participation::KindOfWork) {
            const auto clicked = [&](const char* box) {
                return std::find(option.clicks.begin(), option.clicks.end(), box) != option.clicks.end();
            };
            if (w.dpp) w.employee.work = Work::Dpp;
            if (clicked("CheckBxDpc")) w.employee.work = Work::Dpc;
            w.employee.pensioner = clicked("ChckBDuchodce");
            w.employee.exempt = clicked("CHckBNezdZTP") || clicked("ChckBVyjimkaZP") || w.employee.pensioner;
            w.employee.earlierBase = option.earlierBase;
        }
        return w;
    }
    std::int32_t lowestGross() const
    {
        return option.lowestGross == 0 ? 0 : static_cast<std::int32_t>(findYear(rok)->rules().LimitDpp) + 1;
    }
};

std::vector<YearOption> yearOptions()
{
    std::vector<YearOption> all;
    for (const YearRow& row : years())
        for (const OptionCase& option : Options)
            all.push_back({option, row.rok});
    return all;
}

std::string optionName(const testing::TestParamInfo<YearOption>& info)
{
    return std::string(info.param.option.name) + "_" + std::to_string(info.param.rok);
}

void PrintTo(const YearOption& o, std::ostream* out) { *out << o.option.name << " " << o.rok; }

// Every amount up to 30000 (or every `stride`th from `offset`) and every 97th up to 300000, from
// the lowest the option allows.
std::vector<std::int32_t> sweep(std::int32_t lowest, std::int32_t stride = 1, std::int32_t offset = 0)
{
    std::vector<std::int32_t> amounts;
    for (std::int32_t a = lowest + offset; a <= 30000; a += stride)
        amounts.push_back(a);
    for (std::int32_t a = 30000 + 97; a <= 300000; a += 97)
        amounts.push_back(a);
    return amounts;
}

// Large grosses up to the top of the 32-bit range, the top itself among them.
std::vector<std::int32_t> largeGrosses()
{
    std::vector<std::int32_t> grosses = {300001,     1000000,    161296,     161297,       161300,    161301,
                                         2147483600, 2147483601, 2147483646, LargestGross, 1000000000};
    std::mt19937 random(20230101);
    std::uniform_int_distribution<std::int32_t> any(300001, LargestGross);
    for (int i = 0; i < 300; ++i)
        grosses.push_back(any(random));
    return grosses;
}

// HledejHrubou on pure functions: the first candidate, then findGross from the second.
std::optional<std::int32_t> shippedGross(const TaxYear& y, const WageOptions& o, std::int32_t target)
{
    const std::int32_t step = target <= 100 ? 1 : 10;
    const auto last = static_cast<std::int32_t>(netWage(y, o, target));
    if (last >= target) return target;
    return findGross(y, o, target, {static_cast<std::int64_t>(target) + step, step, last});
}

class ForEachOption : public testing::TestWithParam<YearOption> {};

INSTANTIATE_TEST_SUITE_P(GrossSearch, ForEachOption, testing::ValuesIn(yearOptions()), optionName);

TEST_P(ForEachOption, BoxesClickedGiveTheCreditsOfTheCase)
{
    const WageOptions wage = GetParam().wage();
    Calculator c(GetParam().option.clicks, GetParam().rok, GetParam().option.earlierBase);
    c.netFor(20000);
    EXPECT_EQ(c.k.wage().Podepsal, wage.podepsal);
    EXPECT_EQ(c.k.parts().CheckBxDpp.ticked(), wage.dpp);
    EXPECT_EQ(c.k.parts().ChckBSocAno.ticked(), wage.social);
    EXPECT_EQ(c.k.parts().ChckBZdrAno.ticked(), wage.health);
    EXPECT_EQ(c.k.wage().ZvyhDeti, wage.zvyhDeti);
    EXPECT_EQ(c.k.wage().SlevyCelkem, wage.slevyCelkem);
    const Employee& e = c.k.wage().Zamestnanec;
    EXPECT_EQ(e.work, wage.employee.work);
    EXPECT_EQ(e.pensioner, wage.employee.pensioner);
    EXPECT_EQ(e.exempt, wage.employee.exempt);
    EXPECT_EQ(e.earlierBase, wage.employee.earlierBase);
}

TEST_P(ForEachOption, NetWageEqualsTheRecalculatedNet)
{
    const WageOptions wage = GetParam().wage();
    Calculator c(GetParam().option.clicks, GetParam().rok, GetParam().option.earlierBase);
    const TaxYear& y = c.k.year();
    std::vector<std::int32_t> grosses = sweep(GetParam().lowestGross());
    for (std::int32_t g : largeGrosses())
        grosses.push_back(g);
    for (std::int32_t g : grosses)
        ASSERT_EQ(netWage(y, wage, g), c.netFor(g)) << "gross " << g;
}

TEST_P(ForEachOption, WindowSearchFindsTheGrossOfTheCandidateSequence)
{
    const OptionCase& option = GetParam().option;
    const WageOptions wage = GetParam().wage();
    Calculator c(option.clicks, GetParam().rok, option.earlierBase);
    c.searchMode();
    NetMemo net(c.k.year(), wage);
    // The later years share every rule but their figures with the first: every third target.
    const std::int32_t stride = (fullSweep() ? 1 : 7) * (GetParam().rok == defaultYear().rok ? 1 : 3);
    const auto index = static_cast<std::int32_t>(
        std::find_if(std::begin(Options), std::end(Options),
                     [&](const OptionCase& o) { return std::string_view(o.name) == option.name; }) -
        std::begin(Options));
    for (std::int32_t target : sweep(GetParam().lowestGross(), stride, index % stride)) {
        const std::optional<std::int32_t> expected = literalGross(target, net);
        ASSERT_TRUE(expected) << "target " << target;
        ASSERT_EQ(*expected, c.grossFor(target)) << "target " << target;
        // The window shows the calculation of the gross found.
        ASSERT_EQ(net(*expected), StrToInt(c.k.wage().TextCista)) << "target " << target;
    }
    EXPECT_TRUE(c.platform.messages.empty());
}

TEST_P(ForEachOption, NetCeilingBoundsTheNetAndRisesWithTheGross)
{
    const WageOptions wage = GetParam().wage();
    const TaxYear y = findYear(GetParam().rok)->rules();
    const auto above = static_cast<std::int32_t>(y.LimitDpp) + 1;
    std::vector<std::int32_t> grosses;
    for (std::int32_t g = above; g <= 400000; g += 7)
        grosses.push_back(g);
    for (std::int32_t g : largeGrosses())
        grosses.push_back(g);
    std::sort(grosses.begin(), grosses.end());
    grosses.erase(std::unique(grosses.begin(), grosses.end()), grosses.end());
    Extended previous = netCeiling(y, wage, above - 1);
    for (std::int32_t g : grosses) {
        const Extended ceiling = netCeiling(y, wage, g);
        ASSERT_LE(static_cast<Extended>(netWage(y, wage, g)), ceiling) << "gross " << g;
        ASSERT_LT(previous, ceiling) << "gross " << g;
        if (g < LargestGross) {
            ASSERT_LT(ceiling, netCeiling(y, wage, g + 1)) << "gross " << g;
        }
        previous = ceiling;
    }
}

// Large random targets on the pure functions: the reference walks up to ten million crowns, so
// each option takes its targets from one residue modulo 10 and the reference evaluates each
// gross of that progression once.
struct RandomSweep {
    const char* name;
    WageOptions wage;
    std::int32_t residue;
};

const RandomSweep RandomSweeps[] = {
    {"SignedTwoChildren", {true, false, true, true, 3127, 2570}, 3},
    {"NotSignedWithoutSocialInsurance", {false, false, false, true, 0, 0}, 8},
};

TEST(GrossSearch, FindsTheGrossOfTheCandidateSequenceForLargeRandomTargets)
{
    const TaxYear y = taxYear2023();
    std::mt19937 random(4242);
    std::uniform_int_distribution<std::int32_t> tens(0, 999999);
    for (const RandomSweep& s : RandomSweeps) {
        SCOPED_TRACE(s.name);
        NetMemo<10> net(y, s.wage, s.residue);
        std::vector<std::int32_t> targets;
        targets.reserve(RandomTargetsPerOption);
        for (int i = 0; i < RandomTargetsPerOption; ++i)
            targets.push_back(s.residue + 10 * tens(random));
        std::vector<std::int32_t> found;
        for (std::int32_t target : targets) {
            const std::optional<std::int32_t> expected = literalGross(target, net);
            ASSERT_TRUE(expected) << "target " << target;
            ASSERT_EQ(expected, shippedGross(y, s.wage, target)) << "target " << target;
            found.push_back(*expected);
        }
        // A few of them through the whole search on the window.
        Calculator c({});
        if (!s.wage.podepsal) c.user.click(c.k.control("CHckBPodpis"));
        if (!s.wage.social) c.user.click(c.k.control("ChckBSocAno"));
        if (s.wage.zvyhDeti != 0) {
            c.user.click(c.k.control("ChckBxDeti1"));
            c.user.click(c.k.control("ChckBxDeti2"));
        }
        c.searchMode();
        for (std::size_t i = 0; i < targets.size(); i += 50)
            EXPECT_EQ(found[i], c.grossFor(targets[i])) << "target " << targets[i];
    }
}

// With the agreement and both insurance boxes ticked, a target within the agreement's limit
// unticks the boxes in the first pass, which nests a whole search: the gross is that of the
// candidate sequence without insurance.
TEST(GrossSearch, AgreementWithinItsLimitSearchesWithoutInsurance)
{
    for (const YearRow& row : years())
        for (bool signedDeclaration : {true, false}) {
            const TaxYear y = row.rules();
            NetMemo net(y, {signedDeclaration, true, false, false, 0, signedDeclaration ? 2570 : 0});
            for (std::int32_t target = 0; target <= 10000; target += target < 200 ? 1 : 37) {
                Calculator c(signedDeclaration ? std::vector<std::string>{"CheckBxDpp"}
                                               : std::vector<std::string>{"CHckBPodpis", "CheckBxDpp"},
                             row.rok);
                ASSERT_TRUE(c.k.parts().ChckBSocAno.ticked() && c.k.parts().ChckBZdrAno.ticked());
                c.searchMode();
                ASSERT_EQ(literalGross(target, net), c.grossFor(target)) << "target " << target;
                EXPECT_FALSE(c.k.parts().ChckBSocAno.ticked());
                EXPECT_FALSE(c.k.parts().ChckBZdrAno.ticked());
            }
        }
}

TEST(GrossSearch, UnreachableTargetHasNoGross)
{
    const TaxYear y = taxYear2023();
    const WageOptions o{true, false, true, true, 0, 2570};
    // The net of the largest gross stays far below two thousand million crowns.
    ASSERT_LT(netWage(y, o, LargestGross), 2000000000);
    EXPECT_EQ(std::nullopt, shippedGross(y, o, 2000000000));
    EXPECT_EQ(std::nullopt, shippedGross(y, o, LargestGross));
}

TEST(GrossSearch, UnreachableTargetShowsTheLargestGrossWithANotice)
{
    Calculator c({});
    c.user.click(c.k.control("EdCista"));
    for (char digit : std::string("2000000000"))
        c.user.type(static_cast<char32_t>(digit));
    c.user.press(Key::Enter);
    ASSERT_EQ(1u, c.platform.messages.size());
    EXPECT_EQ("Platomer 2023", c.platform.messages[0].first);
    EXPECT_EQ(
        "Čistou mzdu 2000000000 Kč nedává žádná hrubá mzda do 2147483647 Kč, proto je zobrazen výpočet pro tuto "
        "nejvyšší hrubou mzdu.",
        c.platform.messages[0].second);
    EXPECT_FALSE(c.platform.errors[0]);
    EXPECT_EQ(LargestGross, StrToInt(c.k.parts().EdHruba.text()));
    EXPECT_EQ(netWage(taxYear2023(), {true, false, true, true, 0, 2570}, LargestGross),
              StrToInt(c.k.parts().EdCista.text()));
}

TEST(GrossSearch, TargetOfTheLargestGrossIsReached)
{
    // The candidates may run up to the very top of the range.
    const TaxYear y = taxYear2023();
    const WageOptions o{true, false, true, true, 0, 2570};
    const auto top = static_cast<std::int32_t>(netWage(y, o, LargestGross));
    const std::optional<std::int32_t> found = shippedGross(y, o, top);
    ASSERT_TRUE(found);
    EXPECT_GE(netWage(y, o, *found), top);
}

}  // namespace

}  // namespace platomer
