// The employee's circumstances: the kind of work, an old-age pension, the exemption from the
// health minimum and the social base earned earlier this year. Shown and counted only in a year
// that follows the law's participation rules; in the window's own year they are hidden and
// ignored.
#include <cctype>

#include "calc/WageMath.h"
#include "model/AmountText.h"
#include "model/Kalkulajda.h"

namespace platomer {

std::int64_t earlierSocialBase(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return 0;
    text.remove_prefix(first);
    if (text.empty() || text.size() > static_cast<std::size_t>(ShortAmountDigits)) return 0;
    std::int64_t base = 0;
    for (char c : text) {
        if (std::isdigit(static_cast<unsigned char>(c)) == 0) return 0;
        base = base * 10 + (c - '0');
    }
    return base;
}

void TKalkulajda::employeeByYear()
{
    const bool asked = Ucast == Participation::KindOfWork;
    // The frame's contents first, so that a focused box hands the focus on while the frame shows.
    for (Control* c : {&CheckBxDpc, &ChckBDuchodce, &ChckBVyjimkaZP, &EdZakladRok})
        c->setVisible(asked);
    control("LZakladRok").setVisible(asked);
    GBoxZamestnanec.setVisible(asked);
}

Employee TKalkulajda::employee() const
{
    if (Ucast != Participation::KindOfWork) return {};
    Employee e;
    if (CheckBxDpp.ticked())
        e.work = Work::Dpp;
    else if (CheckBxDpc.ticked())
        e.work = Work::Dpc;
    e.pensioner = ChckBDuchodce.ticked();
    // Pensioners and holders of a ZTP-P card are insured by the state besides.
    e.exempt = ChckBVyjimkaZP.ticked() || e.pensioner || CHckBNezdZTP.ticked();
    e.earlierBase = earlierSocialBase(EdZakladRok.text());
    return e;
}

void TKalkulajda::CheckBxDpcClick(Control& Sender)
{
    // One agreement at a time: unticking the other recalculates through its own click.
    if (CheckBxDpc.ticked() && CheckBxDpp.ticked()) {
        CheckBxDpp.setTicked(false);
        return;
    }
    SpoctiTo(Sender);
}

void TKalkulajda::EdZakladRokExit(Control& Sender)
{
    // What is not a whole number of crowns counts as none, and the field says so.
    const std::string shown = IntToStr(earlierSocialBase(EdZakladRok.text()));
    if (EdZakladRok.text() != shown) EdZakladRok.setText(shown);
    SpoctiTo(Sender);
}

}  // namespace platomer
