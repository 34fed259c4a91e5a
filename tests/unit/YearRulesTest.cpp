// The rules of the later years with the worked numbers of the law and hand calculations at every
// threshold: the 23 % band, the agreement and small-scale limits at the limit and a crown either
// side, the bonus at half the minimum wage, the health split by the remainder of its total, the
// student credit, and the garnishment's thirds divisible by three at and around its limit.
#include <cstdint>
#include <gtest/gtest.h>
#include <string>

#include "calc/GarnishmentMath.h"
#include "calc/WageMath.h"
#include "model/AmountText.h"
#include "model/Kalkulajda.h"
#include "model/UserActions.h"
#include "model/Years.h"
#include "tests/support/DrivenKalkulajda.h"
#include "tests/unit/RecordingForm.h"

namespace platomer {

namespace {

const TaxYear& year(int rok)
{
    static const TaxYear y2023 = taxYear2023(), y2024 = taxYear2024(), y2025 = taxYear2025(), y2026 = taxYear2026(),
                         law2023 = taxYear2023Law();
    switch (rok) {
    case 2023: return y2023;
    case 2024: return y2024;
    case 2025: return y2025;
    case 2026: return y2026;
    default: return law2023;
    }
}

constexpr int LawOf2023 = 0;

TEST(Years, ListedInOrderWithTheWindowsYearFirst)
{
    ASSERT_EQ(4u, years().size());
    EXPECT_EQ(2023, defaultYear().rok);
    EXPECT_EQ("2023, 2024, 2025 a 2026", yearListText());
    EXPECT_EQ(nullptr, findYear(2022));
    EXPECT_EQ(nullptr, findYear(2027));
    for (const YearRow& row : years()) {
        EXPECT_EQ(row.rok, row.rules().Rok);
        EXPECT_EQ(&row, findYear(row.rok));
    }
    EXPECT_EQ("Platomer 2026", applicationTitle(2026));
}

// ---- Insurance ----

struct HealthCase {
    const char* rule;
    int rok;
    std::int32_t gross;
    std::int64_t total, employee, employer;
};

class HealthSplitOfTheYear : public testing::TestWithParam<HealthCase> {};

TEST_P(HealthSplitOfTheYear, SplitsTheTotal)
{
    const HealthCase& c = GetParam();
    // An employee exempt from the health minimum, whose premium is that of the gross itself.
    Employee exempt;
    exempt.exempt = true;
    const Insurance i = insurance(year(c.rok), c.gross, true, true, exempt);
    EXPECT_EQ(c.total, healthTotal(year(c.rok), c.gross));
    EXPECT_EQ(c.employee, i.ZdrZam);
    EXPECT_EQ(c.employer, i.ZdrFir);
}

const HealthCase HealthCases[] = {
    {"law example: the employee's third rounded up, the employer the rest", 2024, 10001, 1351, 451, 900},
    {"total divisible by three", 2025, 10000, 1350, 450, 900},
    {"total leaving two", 2026, 10008, 1352, 451, 901},
    {"total leaving one", 2026, 20001, 2701, 901, 1800},
    {"the window's 2023: nearest third, the employer twice that", 2023, 10008, 1352, 451, 902},
    {"the law of 2023 splits like the later years", LawOf2023, 10008, 1352, 451, 901},
    // A gross below nothing (pasted) is no wage the law insures; the window's year still splits it.
    {"a negative gross", 2024, -10001, -1350, 0, 0},
    {"a negative gross in the window's year", 2023, -10001, -1350, -450, -900},
};

INSTANTIATE_TEST_SUITE_P(Health, HealthSplitOfTheYear, testing::ValuesIn(HealthCases),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(SocialInsurance, RoundsTheExactProductUp)
{
    // 1 831 × 7,1 % = 130,001: the law's ceiling is 131, half a crown less a thousandth gives 130.
    EXPECT_EQ(415, insurance(year(2024), 5831, true, false).SocZam);    // 414,001
    EXPECT_EQ(841, insurance(year(2026), 11831, true, false).SocZam);   // 840,001
    EXPECT_EQ(2935, insurance(year(2025), 11831, true, false).SocFir);  // 2 934,088
    EXPECT_EQ(3195, insurance(year(2024), 45000, true, false).SocZam);
    EXPECT_EQ(2925, insurance(year(2023), 45000, true, false).SocZam);
}

// ---- The tax ----

TEST(HigherRate, AppliesToTheRoundedBaseAboveTheYearsThreshold)
{
    // 2024: 131 901. A gross of 131 800 stays below; 131 801 rounds to 131 900, still below;
    // 131 901 rounds to 132 000, of which 99 crowns pay 23 %.
    const TaxYear& y = year(2024);
    EXPECT_EQ(0, advanceBase(y, 131800).ZakladVyssi);
    EXPECT_EQ(0, advanceBase(y, 131801).ZakladVyssi);
    EXPECT_EQ(99, advanceBase(y, 131901).ZakladVyssi);
    // 131 901 × 15 % = 19 785,15 and 99 × 23 % = 22,77: 19 807,92, rounded up once.
    EXPECT_EQ(19808, advanceTax(y, advanceBase(y, 131901)));
    EXPECT_EQ(19785, advanceTax(y, advanceBase(y, 131900)));
    EXPECT_EQ(139671, year(2025).HraniceVyssi);
    EXPECT_EQ(146901, year(2026).HraniceVyssi);
}

TEST(SignedTax, CreditsComeOffTheWholeTaxFromTheLawsYears)
{
    // 2024, gross 40 000: 6 000 tax, less 2 570 and a first child's 1 267.
    const TaxYear& y = year(2024);
    SignedTax s = signedTax(y, {advanceBase(y, 40000), 40000, 1267, 2570});
    EXPECT_EQ(6000, s.predSlevami);
    EXPECT_EQ(2163, s.poSlevach);
    EXPECT_EQ(2163, s.tax);
    EXPECT_EQ(0, s.bonus);
    // Gross 12 000 with three children: 1 800 tax, the credit leaves 0, 5 447 of advantage unused.
    s = signedTax(y, {advanceBase(y, 12000), 12000, 1267 + 1860 + 2320, 2570});
    EXPECT_EQ(0, s.tax);
    EXPECT_EQ(5447, s.nevyuziteZvyh);
    EXPECT_EQ(5447, s.bonus);
    // Above the 23 % threshold of 2023: 24 194,40 at 15 % and 8 901,92 at 23 %, less every credit
    // and four children with ZTP-P cards. The window takes them off the 15 % part and adds the
    // 23 % part, the law off the whole tax: both 12 893 (3 990,40 + 8 901,92 rounded up), as the
    // credits never exceed the 15 % part.
    const std::int32_t credits = 2570 + 335 + 420 + 1345;
    const std::int32_t children = 2 * (1267 + 1860 + 2320 + 2320);
    const AdvanceBase b = advanceBase(year(2023), 200000);
    EXPECT_EQ(12893 + 335, signedTax(year(2023), {b, 200000, children, credits - 335}).tax);
    EXPECT_EQ(12893 + 335, signedTax(year(LawOf2023), {b, 200000, children, credits - 335}).tax);
    EXPECT_EQ(12893, signedTax(year(2023), {b, 200000, children, credits}).tax);
}

struct BonusCase {
    const char* rule;
    int rok;
    std::int32_t gross;
    bool paid;
};

class BonusCondition : public testing::TestWithParam<BonusCase> {};

TEST_P(BonusCondition, PaidFromHalfTheMinimumWage)
{
    const BonusCase& c = GetParam();
    const TaxYear& y = year(c.rok);
    // Two children's advantage exceeds the tax of every gross here.
    const SignedTax s = signedTax(y, {advanceBase(y, c.gross), c.gross, 1267 + 1860, 2570});
    EXPECT_EQ(c.paid, s.bonus > 0) << c.rule;
    EXPECT_EQ(!c.paid, s.bonusUnderGross) << c.rule;
}

const BonusCase BonusCases[] = {
    {"2024: a crown below half the minimum wage", 2024, 9449, false},
    {"2024: at half the minimum wage", 2024, 9450, true},
    {"2025: a crown below", 2025, 10399, false},
    {"2025: at the limit", 2025, 10400, true},
    {"2026: a crown below", 2026, 11199, false},
    {"2026: at the limit", 2026, 11200, true},
    {"2026: a crown above", 2026, 11201, true},
    {"the window's 2023 pays at any gross", 2023, 1000, true},
    {"the law of 2023 from 8 650", LawOf2023, 8649, false},
};

INSTANTIATE_TEST_SUITE_P(Bonus, BonusCondition, testing::ValuesIn(BonusCases),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

// ---- Thresholds ----

struct LimitCase {
    const char* rule;
    int rok;
    std::int32_t gross;
    bool agreementFree;    // an agreement pays no insurance
    bool smallScaleFree;   // small-scale work without a declaration pays no insurance
    Route unsignedRoute;   // without a declaration, not under an agreement
    Route agreementRoute;  // without a declaration, under an agreement
};

class LimitsOfTheYear : public testing::TestWithParam<LimitCase> {};

TEST_P(LimitsOfTheYear, InclusiveAsTheLawSays)
{
    const LimitCase& c = GetParam();
    const TaxYear& y = year(c.rok);
    EXPECT_EQ(c.agreementFree, agreementFreesInsurance(y, true, c.gross)) << c.rule;
    EXPECT_EQ(c.smallScaleFree, smallScaleFreesInsurance(y, false, c.gross)) << c.rule;
    EXPECT_EQ(c.unsignedRoute, taxRoute(y, false, false, c.gross)) << c.rule;
    EXPECT_EQ(c.agreementRoute, taxRoute(y, false, true, c.gross)) << c.rule;
}

constexpr Route W = Route::Withholding, A = Route::Advance;

const LimitCase LimitCases[] = {
    // From 2024 the law's participation decides small-scale work; the window's box rule is gone.
    {"2024: small-scale work a crown below 4 000", 2024, 3999, true, false, W, W},
    {"2024: at 4 000 insured, still withholding", 2024, 4000, true, false, W, W},
    {"2024: a crown above", 2024, 4001, true, false, A, W},
    {"2024: an agreement at its limit", 2024, 10000, true, false, A, W},
    {"2024: an agreement a crown above", 2024, 10001, false, false, A, A},
    {"2025: small-scale a crown below 4 500", 2025, 4499, true, false, W, W},
    {"2025: small-scale at 4 500", 2025, 4500, true, false, A, W},
    {"2025: an agreement at 11 499", 2025, 11499, true, false, A, W},
    {"2025: an agreement at 11 500", 2025, 11500, false, false, A, A},
    {"2026: an agreement at 11 999", 2026, 11999, true, false, A, W},
    {"2026: an agreement at 12 000", 2026, 12000, false, false, A, A},
    {"2026: small-scale at 4 500", 2026, 4500, true, false, A, W},
    {"the window's 2023 frees 4 000 itself", 2023, 4000, true, true, W, W},
};

INSTANTIATE_TEST_SUITE_P(Limits, LimitsOfTheYear, testing::ValuesIn(LimitCases),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(StudentCredit, NoneFromTheLawsYears)
{
    EXPECT_TRUE(year(2023).SlevaStudPlati);
    EXPECT_EQ(335, year(2023).SlevaStud);
    for (int rok : {2024, 2025, 2026}) {
        EXPECT_FALSE(year(rok).SlevaStudPlati);
        EXPECT_EQ(0, year(rok).SlevaStud);
    }
}

// ---- Garnishment ----

TEST(Garnishment, TwoThousandTwentySixExample)
{
    // Net 39 270, no dependent: protected 14 101,5 rounded up to 14 102, remainder 25 168 rounded
    // down to 25 167, one third 8 389.
    const GarnishmentState g = garnishment(year(2026), 39270, 0, 0);
    EXPECT_EQ(14102, g.NezabCastka);
    EXPECT_EQ(25168, g.ZbytekCiste);
    EXPECT_EQ(25167, g.ZbytekDelitelny);
    EXPECT_EQ(8389, g.SrazNepr);
    EXPECT_EQ(16778, g.SrazPrednost);
    EXPECT_EQ(0, g.SrazBezOmez);
    EXPECT_EQ(39270 - 16778, afterPriorityShown(g));
}

TEST(Garnishment, ProtectedAmountIsRoundedOnlyInTotal)
{
    // 2024: 19 057 × 2/3 = 12 704,67; with a person 15 880,83; with two 19 057.
    EXPECT_EQ(12705, protectedAmount(year(2024), 0));
    EXPECT_EQ(15881, protectedAmount(year(2024), 1));
    EXPECT_EQ(19057, protectedAmount(year(2024), 2));
    // 2026: 14 101,5 and 3 525,375 a person.
    EXPECT_EQ(17627, protectedAmount(year(2026), 1));
    EXPECT_EQ(24678, protectedAmount(year(2026), 3));
    // A huge count of persons goes beyond the 32-bit range and is still exact.
    EXPECT_EQ(2386663638, protectedAmount(year(2023), 700000));
    EXPECT_EQ(static_cast<std::int64_t>(16590) * 85 * (4 + 2147483647LL) / 400 + 1,
              protectedAmount(year(2026), 2147483647));
    // A negative count pasted in lowers it; the garnishment never lets it below nothing.
    EXPECT_EQ(0, garnishment(year(2025), 20000, -10, 0).NezabCastka);
}

struct ThirdsCase {
    const char* rule;
    int rok;
    std::int32_t remainder;  // the net less the protected amount
    double third, aboveLimit;
};

class ThirdsOfTheYear : public testing::TestWithParam<ThirdsCase> {};

TEST_P(ThirdsOfTheYear, DivisibleByThreeUpToTheLimit)
{
    const ThirdsCase& c = GetParam();
    const TaxYear& y = year(c.rok);
    const auto net = static_cast<std::int32_t>(protectedAmount(y, 0)) + c.remainder;
    const GarnishmentState g = garnishment(y, net, 0, 0);
    EXPECT_EQ(c.third, g.DruhaTretina) << c.rule;
    EXPECT_EQ(c.aboveLimit, g.SrazBezOmez) << c.rule;
    EXPECT_EQ(c.third + c.aboveLimit, g.SrazNepr) << c.rule;
    EXPECT_EQ(2 * c.third + c.aboveLimit, g.SrazPrednost) << c.rule;
}

const ThirdsCase ThirdsCases[] = {
    {"a remainder leaving one", 2025, 10000, 3333, 0},
    {"a remainder leaving two", 2025, 10001, 3333, 0},
    {"a remainder divisible by three", 2025, 10002, 3334, 0},
    {"2024: at the limit 28 586, which is not divisible by three", 2024, 28586, 9528, 0},
    {"2024: a crown above the limit: the 2 crowns in between are neither", 2024, 28587, 9528, 1},
    {"2024: a crown below the limit", 2024, 28585, 9528, 0},
    {"2026: at the limit 31 521", 2026, 31521, 10507, 0},
    {"2026: above the limit", 2026, 40000, 10507, 8479},
    {"a wage below the protected amount", 2026, -500, 0, 0},
    {"the window's 2023: each third to the nearest crown", 2023, 10001, 3334, 0},
    {"the law of 2023: above the limit of 30 685,5", LawOf2023, 59543, 10228, 28858},
};

INSTANTIATE_TEST_SUITE_P(Thirds, ThirdsOfTheYear, testing::ValuesIn(ThirdsCases),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(Garnishment, WindowsYearKeepsItsWorkedNumbers)
{
    // Net 40 000: protected 20 457 × 2/3 = 13 638; remainder 26 362, a third 8 787.
    const GarnishmentState g = garnishment(year(2023), 40000, 0, 0);
    EXPECT_EQ(13638, g.NezabCastka);
    EXPECT_EQ(8787, g.DruhaTretina);
    // With a reduction above the protected amount nothing is protected and no deduction
    // exceeds the wage: net 5 000, a reduction of 20 457.
    const GarnishmentState r = garnishment(year(2023), 5000, 0, 20457);
    EXPECT_EQ(0, r.NezabCastka);
    EXPECT_EQ(3334, r.SrazPrednost);
    EXPECT_EQ(1666, afterPriorityShown(r));
}

// ---- Choosing the year on the window ----

struct YearChoice : testing::Test {
    YearChoice() { user.activate(); }
    foundation_test::CollectingPlatform platform;
    DrivenKalkulajda k{platform};
    UserActions user{k};
};

TEST_F(YearChoice, ChoosingAYearRecalculatesBothPagesByItsRules)
{
    k.control("EdHruba").setText("45000");
    k.SpoctiTo(k.control("EdHruba"));
    EXPECT_EQ("2925", k.parts().PSocialni.text());
    ASSERT_TRUE(k.ZvolRok(2026));
    EXPECT_EQ("3195", k.parts().PSocialni.text());
    EXPECT_EQ("2026", k.control("LabelRok").text());
    EXPECT_EQ("od 1.1.2026", k.control("Label17").text());
    EXPECT_EQ("0", k.parts().pNezdS.text());
    EXPECT_EQ("146901", k.parts().p2SazDanod.text());
    EXPECT_EQ("4499", k.parts().pMr.text());
    EXPECT_EQ("11730", k.parts().pNormBydlo.text());
    EXPECT_EQ("Platomer 2026", k.applicationTitle());
    // The second page computes the net handed over by the new rules.
    EXPECT_EQ(garnishment(year(2026), StrToInt(k.parts().EdExekCm.text()), 0, 0).NezabCastka,
              StrToInt(k.parts().pNezabKc.text()));
    // The year already chosen, or one unknown, changes nothing.
    EXPECT_FALSE(k.ZvolRok(2026));
    EXPECT_FALSE(k.ZvolRok(1999));
    ASSERT_TRUE(k.ZvolRok(2023));
    EXPECT_EQ("2925", k.parts().PSocialni.text());
    EXPECT_EQ("4020", k.parts().pNezdS.text());
}

TEST_F(YearChoice, StudentBoxLockedWithoutTheCreditAndFreedAgainByTheDeclaration)
{
    user.click(k.control("CHckBNezdS"));
    ASSERT_TRUE(k.parts().CHckBNezdS.ticked());
    k.ZvolRok(2024);
    EXPECT_FALSE(k.parts().CHckBNezdS.ticked());
    EXPECT_FALSE(k.parts().CHckBNezdS.enabled());
    EXPECT_NE(std::string::npos, k.parts().CHckBNezdS.hint().find("2024"));
    EXPECT_EQ(2570, k.wage().SlevyCelkem);
    // Signing again does not free it in a year without the credit.
    user.click(k.control("CHckBPodpis"));
    user.click(k.control("CHckBPodpis"));
    EXPECT_FALSE(k.parts().CHckBNezdS.enabled());
    k.ZvolRok(2023);
    EXPECT_TRUE(k.parts().CHckBNezdS.enabled());
    EXPECT_TRUE(k.parts().CHckBNezdS.hint().empty());
    // Without a declaration the credit boxes stay locked in the window's year too.
    k.ZvolRok(2025);
    user.click(k.control("CHckBPodpis"));
    k.ZvolRok(2023);
    EXPECT_FALSE(k.parts().CHckBNezdS.enabled());
}

TEST_F(YearChoice, AgreementSetsTheInsuranceByTheNewYearsLimit)
{
    k.control("EdHruba").setText("11000");
    k.SpoctiTo(k.control("EdHruba"));
    user.click(k.control("CheckBxDpp"));
    // 11 000 is above the agreement's limit of 2023 and 2024, within that of 2025.
    EXPECT_TRUE(k.parts().ChckBSocAno.ticked());
    k.ZvolRok(2025);
    EXPECT_FALSE(k.parts().ChckBSocAno.ticked());
    EXPECT_FALSE(k.parts().ChckBZdrAno.ticked());
    EXPECT_EQ("0", k.parts().PSocialni.text());
    k.ZvolRok(2024);
    EXPECT_TRUE(k.parts().ChckBSocAno.ticked());
    EXPECT_TRUE(k.parts().ChckBZdrAno.ticked());
}

TEST_F(YearChoice, NetToGrossSearchesAgainForTheNetShown)
{
    user.click(k.control("ChckBxHrzCis"));
    k.control("EdCista").setText("30000");
    k.HledejHrubou();
    const std::int32_t gross2023 = StrToInt(k.parts().EdHruba.text());
    k.ZvolRok(2024);
    const std::int32_t gross2024 = StrToInt(k.parts().EdHruba.text());
    // The employee's social insurance is higher from 2024: the same net needs a higher gross.
    EXPECT_GT(gross2024, gross2023);
    EXPECT_GE(StrToInt(k.parts().EdCista.text()), 30000);
}

// ---- The employee's circumstances from 2024: published cases and the edge of each rule ----

struct EmployeeCase {
    const char* rule;
    int rok;
    std::int32_t gross;
    Employee employee;
    Insurance expected;  // employee's and employer's social, employee's and employer's health
};

class EmployeeOfTheYear : public testing::TestWithParam<EmployeeCase> {};

TEST_P(EmployeeOfTheYear, PaysTheInsuranceTheLawAsks)
{
    const EmployeeCase& c = GetParam();
    const Insurance i = insurance(year(c.rok), c.gross, true, true, c.employee);
    EXPECT_EQ(c.expected.SocZam, i.SocZam) << c.rule;
    EXPECT_EQ(c.expected.SocFir, i.SocFir) << c.rule;
    EXPECT_EQ(c.expected.ZdrZam, i.ZdrZam) << c.rule;
    EXPECT_EQ(c.expected.ZdrFir, i.ZdrFir) << c.rule;
}

constexpr Employee Employed{};
constexpr Employee Exempt{Work::Employment, false, true, 0};
constexpr Employee Pensioner{Work::Employment, true, true, 0};
constexpr Employee Dpp{Work::Dpp, false, false, 0};
constexpr Employee Dpc{Work::Dpc, false, false, 0};
constexpr Employee Earlier(std::int64_t base) { return {Work::Employment, false, false, base}; }

const EmployeeCase EmployeeCases[] = {
    // The minimum's premium 3 024 less the employer's 900.
    {"2026 part-time below the minimum wage", 2026, 10000, Employed, {710, 2480, 2124, 900}},
    {"2026 exempt: the actual premium split", 2026, 10000, Exempt, {710, 2480, 450, 900}},
    {"2025 at the decisive income 4 500", 2025, 4500, Employed, {320, 1116, 2403, 405}},
    {"2026 at the decisive income 4 500", 2026, 4500, Employed, {320, 1116, 2619, 405}},
    {"2026 a crown below it: no social insurance", 2026, 4499, Employed, {0, 0, 2619, 405}},
    {"2026 below it: health insured, no social", 2026, 4400, Employed, {0, 0, 2628, 396}},
    {"2024 the decisive income 4 000 itself", 2024, 4000, Employed, {284, 992, 2192, 360}},
    {"2024 a crown below it", 2024, 3999, Employed, {0, 0, 2192, 360}},
    {"2026 at the minimum wage: no top-up", 2026, 22400, Employed, {1591, 5556, 1008, 2016}},
    // The actual premium rounds to the minimum's: nothing is left to top up.
    {"2026 a crown below the minimum wage", 2026, 22399, Employed, {1591, 5555, 1008, 2016}},
    {"2026 pensioner 47 900: 3 401 - 3 114", 2026, 47900, Pensioner, {287, 11880, 2156, 4311}},
    {"2026 pensioner 50 000: 3 550 - 3 250", 2026, 50000, Pensioner, {300, 12400, 2250, 4500}},
    {"2024 pensioner: no relief yet, exempt from the minimum", 2024, 10000, Pensioner, {710, 2480, 450, 900}},
    {"2025 pensioner: the relief", 2025, 10000, Pensioner, {60, 2480, 450, 900}},
    {"2026 cap: 1 000 left", 2026, 50000, Earlier(2349416), {71, 248, 2250, 4500}},
    {"2025 cap already reached", 2025, 100000, Earlier(2234736), {0, 0, 4500, 9000}},
    {"2026 cap reached within the month exactly", 2026, 50000, Earlier(2300416), {3550, 12400, 2250, 4500}},
    {"2024 agreement to perform work 17 400, insured", 2024, 17400, Dpp, {1236, 4316, 986, 1566}},
    {"2024 agreement at its limit: nothing", 2024, 10000, Dpp, {0, 0, 0, 0}},
    {"2026 agreement on work activity below the decisive income", 2026, 4499, Dpc, {0, 0, 0, 0}},
    {"2026 agreement on work activity at it", 2026, 4500, Dpc, {320, 1116, 2619, 405}},
    {"the window's 2023 knows none of it", 2023, 10000, Employed, {650, 2480, 450, 900}},
};

INSTANTIATE_TEST_SUITE_P(Employee, EmployeeOfTheYear, testing::ValuesIn(EmployeeCases),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

}  // namespace

}  // namespace platomer
