// Which label names each control, as the two pages show it.
#include "model/ControlLabels.h"

#include <unordered_map>

#include "model/ControlTable.h"

namespace platomer {

namespace {

// The start text of a control in the control table; labels never change their text.
std::string_view tableText(std::string_view name)
{
    const ControlRow* row = controlRow(name);
    return row ? std::string_view(row->text) : std::string_view();
}

// Without outer blanks, and a run of blanks inside read as one: "Sociální   firma" is read
// "Sociální firma", "Žáci a studenti " without its last blank.
std::string spoken(std::string_view text)
{
    std::string out;
    bool blank = false;
    for (char c : text) {
        if (c == ' ') {
            blank = true;
            continue;
        }
        if (blank && !out.empty()) out += ' ';
        blank = false;
        out += c;
    }
    return out;
}

}  // namespace

const std::vector<ControlLabel>& controlLabels()
{
    static const std::vector<ControlLabel> rows{
        // Monthly wage frame: the label on the same row, at the left
        {"EdHruba", "LHruba", ""},
        {"PZakladDane", "LNezdan", ""},
        {"PCelkemN", "LZakladD", ""},
        {"POdpd", "LabelDanZv", ""},
        {"PDanN", "LDanDleTab", ""},
        {"PDan20p", "LDan20", ""},
        {"PDan15", "LDan15", ""},
        {"DanBonus", "LabelDbon", ""},
        {"PSocialni", "LSocial", ""},
        {"ChckBSocAno", "LSocial", ""},
        {"PZdravotni", "LZdrav", ""},
        {"ChckBZdrAno", "LZdrav", ""},
        {"CprBezBon", "Label1", ""},
        {"EdCista", "LCistaMz", ""},
        {"EdNaklZam", "LabelNaklady", ""},

        // Tick boxes that carry their own caption
        {"ChckBxHrzCis", "ChckBxHrzCis", ""},
        {"CHckBNezdM", "CHckBNezdM", ""},
        {"CHckBNezdS", "CHckBNezdS", ""},
        {"CHckBNezdI", "CHckBNezdI", ""},
        {"CHckBNezdP", "CHckBNezdP", ""},
        {"CHckBNezdZTP", "CHckBNezdZTP", ""},
        {"CHckBNezdV", "CHckBNezdV", ""},
        {"ChckBxDeti1", "ChckBxDeti1", ""},
        {"ChckBxDeti2", "ChckBxDeti2", ""},
        {"ChckBxDeti3", "ChckBxDeti3", ""},
        {"ChckBxDeti4", "ChckBxDeti4", ""},
        {"ChckBxDeti1z", "ChckBxDeti1z", ""},
        {"ChckBxDeti2z", "ChckBxDeti2z", ""},
        {"ChckBxDeti3z", "ChckBxDeti3z", ""},
        {"ChckBxDeti4z", "ChckBxDeti4z", ""},
        {"CHckBPodpis", "CHckBPodpis", ""},
        {"CheckBxDpp", "CheckBxDpp", ""},
        {"CheckBxDpc", "CheckBxDpc", ""},
        {"ChckBDuchodce", "ChckBDuchodce", ""},
        {"ChckBVyjimkaZP", "ChckBVyjimkaZP", ""},
        {"EdZakladRok", "LZakladRok", ""},

        // Employer's contributions frame
        {"PojSum", "LpojClkFir", ""},
        {"ZPF", "LzdravFir", ""},
        {"SPF", "LsocFir", ""},

        // Annual tax credits and monthly limits
        {"pNezdM", "lPoplatnik", ""},
        {"pNezdS", "lStudenti", ""},
        {"pNezdI", "lCinval", ""},
        {"pNezdP", "LplnaInvalidita", ""},
        {"pNezdztp", "lZtp", ""},
        {"pDite1", "LDite1", ""},
        {"pDite2", "LDite2", ""},
        {"pDite3", "LDite3", ""},
        {"pDite1ztp", "LDite1ztp", ""},
        {"pDite2ztp", "Dite2ztp", ""},
        {"pDite3ztp", "lDite3ztp", ""},
        {"p2SazDanod", "lSolDan", ""},
        {"pMr", "lMrdo", ""},

        // Garnishment inputs and the non-seizable amount
        {"EdExekCm", "Label2", ""},
        {"EdDeti", "LpocetD", ""},
        {"EdPoniz", "Label13", ""},
        {"pZivMinJ", "Label3", ""},
        {"pNormBydlo", "Label4", ""},
        {"pNezabKc", "Label5", ""},
        {"pSrazBezO", "Label6", ""},

        // The garnishment grid: two columns under a heading each, rows by the kind of claim
        {"pBezSPrednost", "Label9", "Label7"},
        {"pBezSNepr", "Label8", "Label7"},
        {"pMzdaBezP", "Label22", "Label14"},
        {"pMzdaBezN", "Label23", "Label14"},
        {"pSoubehPred", "LSrazkaP", "Label18"},
        {"pSoubehNepr", "Label19", "Label18"},
        {"pMzdaSoub", "Label21", "Label20"},

        // Container panels that the keyboard stops on, by what they hold
        {"pHrubazCiste", "ChckBxHrzCis", ""},
        {"PanelFirmy", "CopFirma", ""},
        {"PanelPodepsal", "Label7", ""},
        {"pKVyplate", "Label18", ""},
        {"Panel1", "Label10", ""},
    };
    return rows;
}

namespace {

struct Named {
    const ControlLabel* row;
    std::string caption;
};

// The captions of every labelled control, made once from the control table's texts, by name.
const std::unordered_map<std::string_view, Named>& labelIndex()
{
    static const std::unordered_map<std::string_view, Named> index = [] {
        std::unordered_map<std::string_view, Named> named;
        for (const ControlLabel& row : controlLabels()) {
            std::string caption = spoken(tableText(row.heading));
            if (!caption.empty()) caption += " \u2013 ";
            named.emplace(row.control, Named{&row, caption + spoken(tableText(row.label))});
        }
        return named;
    }();
    return index;
}

}  // namespace

const ControlLabel* labelOf(std::string_view control)
{
    auto it = labelIndex().find(control);
    return it == labelIndex().end() ? nullptr : it->second.row;
}

const std::string& labelCaption(const ControlLabel& label) { return labelIndex().at(label.control).caption; }

}  // namespace platomer
