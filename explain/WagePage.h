#pragma once
// The explanation of the wage page: one explainer per figure, split by subject into the files
// beside this one (insurance, base and credits, the three tax routes, net and cost).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "calc/WageMath.h"
#include "explain/ExplanationBuilder.h"

namespace platomer::explaining {

inline constexpr std::int32_t LargestGross = 2147483647;
inline constexpr const char* RoundedUp = "zaokrouhleno nahoru na celé koruny";

class WagePage {
public:
    explicit WagePage(const TKalkulajda& k);
    std::vector<ExplanationLine> lines() const;

private:
    using Explainer = ExplanationLine (WagePage::*)(ExplanationLine) const;
    struct Figure {
        const Control* control;
        std::string expected;  // the text the calculation wrote there
        Explainer explain;
    };
    std::vector<Figure> figures() const;

    ExplanationLine figure(const Figure& f) const;
    ExplanationLine clearedLine(const Control& c) const;
    ExplanationLine grossInput() const;
    ExplanationLine wantedNet() const;
    ExplanationLine earlierBaseInput() const;
    ExplanationLine tick(const Control& box) const;
    ExplanationLine parameter(const Control& c, std::int64_t value, std::string rule, std::vector<Operand> operands,
                              std::string_view note) const;
    std::vector<ExplanationLine> parameters() const;

    ExplanationLine socialShare(ExplanationLine line, std::int32_t share, const char* rateName, double rateValue) const;
    ExplanationLine social(ExplanationLine line) const;
    ExplanationLine health(ExplanationLine line) const;
    ExplanationLine healthMinimum(ExplanationLine line) const;
    ExplanationLine notInsured(ExplanationLine line) const;
    ExplanationLine base(ExplanationLine line) const;
    ExplanationLine credits(ExplanationLine line) const;
    ExplanationLine children(ExplanationLine line) const;
    ExplanationLine signedTax(ExplanationLine line) const;
    ExplanationLine creditsOffWholeTax(ExplanationLine line) const;
    ExplanationLine advance(ExplanationLine line) const;
    ExplanationLine withholding(ExplanationLine line) const;
    ExplanationLine bonus(ExplanationLine line) const;
    void paidBonus(ExplanationLine& line, Extended shown) const;
    ExplanationLine withLawBonus(ExplanationLine line, Extended shown) const;
    ExplanationLine net(ExplanationLine line) const;
    ExplanationLine netWithBonus(ExplanationLine line) const;
    ExplanationLine employerSocial(ExplanationLine line) const;
    ExplanationLine employerHealth(ExplanationLine line) const;
    ExplanationLine employerInsurance(ExplanationLine line) const;
    ExplanationLine employerCost(ExplanationLine line) const;

    ExplanationLine notDeducted(ExplanationLine line, const Control& box) const;
    std::string smallScaleNote() const;
    std::string minimumBaseNote() const;
    std::string higherRateNote() const;
    std::string withholdingLimit() const;
    void addBasicTax(ExplanationLine& line) const;
    void addHigherTax(ExplanationLine& line) const;

    Operand gross() const { return crowns("Hruba", w_.Hruba); }
    Operand healthTotal() const { return crowns("ZdrCelkem", static_cast<Extended>(healthTotal_), true); }
    // The same figure by the law's own rules of the year, where the window's rules differ.
    void addLawFigure(ExplanationLine& line, Extended windowFigure, Extended lawFigure, std::string_view why) const;

    const TKalkulajda& k_;
    const TaxYear& y_;
    const WageState& w_;
    bool computed_ = false;
    bool netMode_ = false;
    bool cleared_ = false;
    bool pending_ = false;
    Route route_ = Route::Signed;
    // The figures on the way to the results, from the rule functions of the calculation.
    AdvanceBase base_;
    std::int64_t healthTotal_ = 0;  // the health insurance before it is split
    SignedTax signed_;              // the signed route's tax before and after the credits
    std::int64_t advanceTax_ = 0;   // the rounded advance of the unsigned route
    std::int64_t net_ = 0;
    // The year's figures by the law's own rules where the window's rules differ, else none.
    TaxYear lawYear_;
    const TaxYear* law_ = nullptr;
};

}  // namespace platomer::explaining
