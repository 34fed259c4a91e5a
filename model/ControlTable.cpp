// Every control of the calculator window with its parent, start text, place, size, keyboard order and start state.

#include "ControlTable.h"

#include <unordered_map>

#include "Publisher.h"

namespace platomer {

const std::vector<ControlRow>& controlTable()
{
    static const std::vector<ControlRow> rows{
        // Window and its two-tab page set
        {"Kalkulajda", Kind::Window, "", "Mzdové výpočty", 0, 0, 604, 521, -1, 0},
        {"PcHlav", Kind::PageControl, "Kalkulajda", "", 0, 0, 604, 521, 0, 0},

        // First page: wage calculation
        {"TabVypocet", Kind::Page, "PcHlav", "Výpočet mzdy", 4, 24, 596, 493, 0, 0},
        {"GroupBoxVypocet", Kind::GroupBox, "TabVypocet", "Měsíční mzda", 0, 45, 233, 339, 0, 0},
        {"pHrubazCiste", Kind::Panel, "TabVypocet", "", 1, 387, 233, 29, 1, TabStop},
        {"GBNezdanC", Kind::GroupBox, "TabVypocet", "Slevy na dani", 238, 45, 190, 112, 2, 0},
        {"PanelFirmy", Kind::Panel, "TabVypocet", "", 1, 426, 596, 60, 3, TabStop},
        {"PanleHorni", Kind::Panel, "TabVypocet", "", 2, 0, 596, 40, 4, 0},
        {"GroupBxDeti", Kind::GroupBox, "TabVypocet", "Daňové zvýhodnění na děti", 239, 166, 190, 89, 5, 0},
        {"GBoxOdvodyZ", Kind::GroupBox, "TabVypocet", "Odvody zaměstnavatele", 240, 262, 190, 89, 6, 0},
        {"GBoxPodPis", Kind::GroupBox, "TabVypocet", "", 240, 351, 190, 66, 7, 0},
        {"GBoxParam", Kind::GroupBox, "TabVypocet", "Roční slevy na dani", 432, 45, 167, 303, 8, 0},
        {"GLimitSlMr", Kind::GroupBox, "TabVypocet", "Měsíční limity", 432, 353, 167, 64, 9, 0},
        // The employee's circumstances, which only the years after the window's own ask for: the
        // page grows to hold them below its footer.
        {"GBoxZamestnanec", Kind::GroupBox, "TabVypocet", "Zaměstnanec", 0, 490, 596, 66, 10, Hidden},

        // Monthly wage frame
        {"LHruba", Kind::Label, "GroupBoxVypocet", "Hrubá mzda", 8, 20, 68, 13, -1, 0},
        {"LNezdan", Kind::Label, "GroupBoxVypocet", "Základ daně zaokrouhlený", 8, 43, 126, 13, -1, 0},
        {"LZakladD", Kind::Label, "GroupBoxVypocet", "Slevy na dani", 8, 67, 64, 13, -1, 0},
        {"LDan20", Kind::Label, "GroupBoxVypocet", "Daň (nepodepsal prohlášení)", 8, 139, 136, 13, -1, 0},
        {"LDan15", Kind::Label, "GroupBoxVypocet", "Srážková daň", 8, 163, 66, 13, -1, 0},
        {"LCistaMz", Kind::Label, "GroupBoxVypocet", "Čistá mzda bez bonusu", 8, 289, 131, 13, -1, 0},
        {"LabelNaklady", Kind::Label, "GroupBoxVypocet", "Náklady zaměstnavatele", 8, 316, 116, 13, -1, 0},
        {"LabelDbon", Kind::Label, "GroupBoxVypocet", "Daňový bonus", 8, 187, 69, 13, -1, 0},
        {"LabelDanZv", Kind::Label, "GroupBoxVypocet", "Daňové zvýhodnění", 8, 91, 96, 13, -1, 0},
        {"LDanDleTab", Kind::Label, "GroupBoxVypocet", "Daň (podepsal prohlášení)", 8, 115, 124, 13, -1, 0},
        {"LZdrav", Kind::Label, "GroupBoxVypocet", "Zdravotní zaměstnanec", 8, 235, 112, 13, -1, 0},
        {"LSocial", Kind::Label, "GroupBoxVypocet", "Sociální zaměstnanec", 8, 212, 104, 13, -1, 0},
        {"Label1", Kind::Label, "GroupBoxVypocet", "Čistá mzda s bonusem", 8, 260, 105, 13, -1, 0},
        {"PZakladDane", Kind::Display, "GroupBoxVypocet", "", 148, 38, 62, 21, 2, 0},
        {"PCelkemN", Kind::Display, "GroupBoxVypocet", "", 148, 62, 62, 21, 3, 0},
        {"PDan20p", Kind::Display, "GroupBoxVypocet", "", 148, 134, 62, 21, 4, 0},
        {"PDan15", Kind::Display, "GroupBoxVypocet", "", 148, 158, 62, 21, 5, 0},
        {"EdCista", Kind::NumericEntry, "GroupBoxVypocet", "", 148, 282, 62, 21, 1, BgInfo},
        {"EdHruba", Kind::NumericEntry, "GroupBoxVypocet", "17300", 148, 12, 62, 21, 0, BgYellow},
        {"EdNaklZam", Kind::Display, "GroupBoxVypocet", "", 148, 309, 62, 21, 6, 0},
        {"DanBonus", Kind::Display, "GroupBoxVypocet", "", 148, 181, 62, 21, 7, 0},
        {"POdpd", Kind::Display, "GroupBoxVypocet", "", 148, 86, 62, 21, 8, 0},
        {"PDanN", Kind::Display, "GroupBoxVypocet", "", 148, 110, 62, 21, 9, 0},
        {"PSocialni", Kind::Display, "GroupBoxVypocet", "", 148, 206, 62, 21, 10, 0},
        {"PZdravotni", Kind::Display, "GroupBoxVypocet", "", 148, 230, 62, 21, 11, 0},
        {"ChckBSocAno", Kind::TickBox, "GroupBoxVypocet", "", 213, 208, 15, 17, 12, Ticked},
        {"ChckBZdrAno", Kind::TickBox, "GroupBoxVypocet", "", 213, 233, 15, 17, 13, Ticked},
        {"CprBezBon", Kind::Display, "GroupBoxVypocet", "", 148, 255, 62, 21, 14, 0},

        // Net-to-gross mode panel
        {"ChckBxHrzCis", Kind::TickBox, "pHrubazCiste", "Počítat hrubou mzdu z čisté", 8, 6, 200, 17, 0, 0},

        // Personal tax credits frame
        {"CHckBNezdM", Kind::TickBox, "GBNezdanC", "Na poplatníka", 8, 14, 170, 17, 0, Ticked},
        {"CHckBNezdS", Kind::TickBox, "GBNezdanC", "Žáci a studenti ", 8, 33, 170, 17, 1, 0},
        {"CHckBNezdI", Kind::TickBox, "GBNezdanC", "Částečná invalidita", 8, 53, 170, 17, 2, 0},
        {"CHckBNezdP", Kind::TickBox, "GBNezdanC", "Úplná invalidita", 8, 73, 170, 17, 3, 0},
        {"CHckBNezdZTP", Kind::TickBox, "GBNezdanC", "Držitel průkazu ZTP-P", 8, 94, 170, 17, 4, 0},
        {"CHckBNezdV", Kind::TickBox, "GBNezdanC", "Vyživované děti", 8, 121, 170, 17, 5, Hidden},

        // Publisher footer of the wage page
        {"CopFirma", Kind::Label, "PanelFirmy", Publisher::Name, 222, 6, 137, 16, -1, 0},
        {"ZnakC", Kind::Label, "PanelFirmy", Publisher::Copyright, 212, 8, 10, 13, -1, 0},
        {"lWeb", Kind::Label, "PanelFirmy", Publisher::Web, 204, 38, 69, 13, -1, 0},
        {"LabelMail", Kind::Label, "PanelFirmy", Publisher::Mail, 292, 38, 71, 13, -1, 0},
        {"Lbrovina", Kind::Label, "PanelFirmy", Publisher::SecondWeb, 228, 23, 104, 13, -1, 0},

        // Year heading of the wage page
        {"LabelRok", Kind::Label, "PanleHorni", "2023", 2, 2, 592, 36, -1, 0},

        // Children's tax advantage frame
        {"ChckBxDeti1", Kind::TickBox, "GroupBxDeti", "První", 8, 16, 72, 17, 0, 0},
        {"ChckBxDeti2", Kind::TickBox, "GroupBxDeti", "Druhé", 104, 16, 72, 17, 1, 0},
        {"ChckBxDeti3", Kind::TickBox, "GroupBxDeti", "Třetí", 8, 32, 72, 17, 2, 0},
        {"ChckBxDeti4", Kind::TickBox, "GroupBxDeti", "Čtvrté", 104, 32, 72, 17, 3, 0},
        {"ChckBxDeti3z", Kind::TickBox, "GroupBxDeti", "Třetí ZTP", 8, 64, 72, 17, 6, 0},
        {"ChckBxDeti1z", Kind::TickBox, "GroupBxDeti", "První ZTP", 8, 48, 72, 17, 4, 0},
        {"ChckBxDeti2z", Kind::TickBox, "GroupBxDeti", "Druhé ZTP", 104, 48, 72, 17, 5, 0},
        {"ChckBxDeti4z", Kind::TickBox, "GroupBxDeti", "Čtvrté ZTP", 104, 64, 72, 17, 7, 0},

        // Employer's contributions frame
        {"LzdravFir", Kind::Label, "GBoxOdvodyZ", "Zdravotní firma", 9, 42, 71, 13, -1, 0},
        {"LsocFir", Kind::Label, "GBoxOdvodyZ", "Sociální   firma", 10, 67, 69, 13, -1, 0},
        {"LpojClkFir", Kind::Label, "GBoxOdvodyZ", "Pojistné celkem", 6, 18, 74, 13, -1, 0},
        {"ZPF", Kind::Display, "GBoxOdvodyZ", "", 112, 40, 60, 21, 0, 0},
        {"SPF", Kind::Display, "GBoxOdvodyZ", "", 112, 64, 60, 21, 1, 0},
        {"PojSum", Kind::Display, "GBoxOdvodyZ", "", 112, 16, 60, 23, 2, 0},

        // Declaration and work-agreement frame
        {"CHckBPodpis", Kind::TickBox, "GBoxPodPis", "Podepsal prohlášení k dani", 8, 17, 165, 14, 0, Ticked},
        {"CheckBxDpp", Kind::TickBox, "GBoxPodPis", "Dohoda o provedení práce", 8, 44, 165, 12, 1, 0},

        // The employee's circumstances frame
        {"CheckBxDpc", Kind::TickBox, "GBoxZamestnanec", "Dohoda o pracovní činnosti", 8, 19, 170, 17, 0, Hidden},
        {"ChckBDuchodce", Kind::TickBox, "GBoxZamestnanec", "Pobírá starobní důchod", 200, 19, 160, 17, 1, Hidden},
        {"ChckBVyjimkaZP", Kind::TickBox, "GBoxZamestnanec", "Výjimka z minima ZP", 390, 19, 150, 17, 2, Hidden},
        {"LZakladRok", Kind::Label, "GBoxZamestnanec", "Soc. základ dříve v roce", 8, 44, 130, 13, -1, Hidden},
        {"EdZakladRok", Kind::NumericEntry, "GBoxZamestnanec", "0", 200, 40, 80, 21, 3, Hidden | ShortAmount},

        // Annual tax credits frame
        {"lPoplatnik", Kind::Label, "GBoxParam", "Poplatnik", 9, 21, 44, 13, -1, 0},
        {"lStudenti", Kind::Label, "GBoxParam", "Studenti", 9, 41, 39, 13, -1, 0},
        {"LDite1", Kind::Label, "GBoxParam", "První dítě", 9, 156, 46, 13, -1, 0},
        {"LDite2", Kind::Label, "GBoxParam", "Druhé dítě", 9, 180, 50, 13, -1, 0},
        {"LDite3", Kind::Label, "GBoxParam", "Třetí dítě", 9, 204, 44, 13, -1, 0},
        {"LDite1ztp", Kind::Label, "GBoxParam", "První dítě ZTP", 9, 229, 70, 13, -1, 0},
        {"Dite2ztp", Kind::Label, "GBoxParam", "Druhé dítě ZTP", 9, 253, 74, 13, -1, 0},
        {"lDite3ztp", Kind::Label, "GBoxParam", "Třetí dítě ZTP", 9, 277, 68, 13, -1, 0},
        {"lCinval", Kind::Label, "GBoxParam", "Část. invalidita", 10, 63, 68, 13, -1, 0},
        {"LplnaInvalidita", Kind::Label, "GBoxParam", "Úplná invalidita", 10, 87, 72, 13, -1, 0},
        {"lZtp", Kind::Label, "GBoxParam", "Držitel ZTP-P", 10, 111, 63, 13, -1, 0},
        {"pNezdM", Kind::Display, "GBoxParam", "", 97, 14, 62, 21, 0, 0},
        {"pNezdS", Kind::Display, "GBoxParam", "", 97, 38, 62, 21, 1, 0},
        {"pNezdI", Kind::Display, "GBoxParam", "", 97, 62, 62, 21, 2, 0},
        {"pNezdP", Kind::Display, "GBoxParam", "", 97, 86, 62, 21, 3, 0},
        {"pNezdztp", Kind::Display, "GBoxParam", "", 97, 110, 62, 21, 4, 0},
        {"pDite1", Kind::Display, "GBoxParam", "", 97, 152, 62, 21, 5, 0},
        {"pDite2", Kind::Display, "GBoxParam", "", 97, 176, 62, 21, 6, 0},
        {"pDite3", Kind::Display, "GBoxParam", "", 97, 200, 62, 21, 7, 0},
        {"pDite1ztp", Kind::Display, "GBoxParam", "", 97, 224, 62, 21, 8, 0},
        {"pDite2ztp", Kind::Display, "GBoxParam", "", 97, 248, 62, 21, 9, 0},
        {"pDite3ztp", Kind::Display, "GBoxParam", "", 97, 272, 62, 21, 10, 0},

        // Monthly limits frame
        {"lSolDan", Kind::Label, "GLimitSlMr", "Vyšší sazba od Kč", 9, 17, 87, 13, -1, 0},
        {"lMrdo", Kind::Label, "GLimitSlMr", "Limit MR", 11, 37, 41, 13, -1, 0},
        {"pMr", Kind::Display, "GLimitSlMr", "", 98, 35, 62, 21, 0, 0},
        {"p2SazDanod", Kind::Display, "GLimitSlMr", "", 98, 11, 62, 21, 1, 0},

        // Second page: non-seizable part of the wage
        {"Nezabav", Kind::Page, "PcHlav", "Nezabavitelná část mzdy", 4, 24, 596, 493, 1, 0},
        {"GroupBox1", Kind::GroupBox, "Nezabav", "", 6, 47, 274, 122, 0, 0},
        {"GroupBox2", Kind::GroupBox, "Nezabav", "", 299, 47, 289, 122, 1, 0},
        {"PanelPodepsal", Kind::Panel, "Nezabav", "", 6, 183, 583, 102, 2, TabStop},
        {"PanelHorni", Kind::Panel, "Nezabav", "", 7, 5, 582, 41, 3, 0},
        {"pKVyplate", Kind::Panel, "Nezabav", "", 6, 299, 583, 87, 4, TabStop},
        {"Panel1", Kind::Panel, "Nezabav", "", 0, 423, 596, 60, 5, TabStop},

        // Garnishment inputs frame
        {"LpocetD", Kind::Label, "GroupBox1", "Počet vyživovaných osob", 8, 46, 122, 13, -1, 0},
        {"Label2", Kind::Label, "GroupBox1", "Čistá mzda", 8, 19, 62, 13, -1, 0},
        {"Label13", Kind::Label, "GroupBox1", "Ponížit nezabavitelnou částku o", 8, 75, 151, 13, -1, 0},
        {"EdExekCm", Kind::NumericEntry, "GroupBox1", "15298", 208, 14, 60, 21, 0, BgInfo},
        {"EdDeti", Kind::Entry, "GroupBox1", "0", 242, 42, 25, 21, 1, 0},
        {"EdPoniz", Kind::Entry, "GroupBox1", "0", 208, 72, 59, 21, 2, 0},

        // Subsistence and non-seizable amount frame
        {"Label3", Kind::Label, "GroupBox2", "Životní minimum jednotlivce", 8, 19, 130, 13, -1, 0},
        {"Label4", Kind::Label, "GroupBox2", "Normativní náklad na bydlení", 8, 42, 138, 13, -1, 0},
        {"Label5", Kind::Label, "GroupBox2", "Nezabavitelná částka", 8, 67, 103, 13, -1, 0},
        {"Label6", Kind::Label, "GroupBox2", "Srážka bez omezení", 8, 90, 96, 13, -1, 0},
        {"pZivMinJ", Kind::Display, "GroupBox2", "", 208, 16, 60, 21, 0, 0},
        {"pNormBydlo", Kind::Display, "GroupBox2", "", 208, 40, 60, 21, 1, 0},
        {"pNezabKc", Kind::Display, "GroupBox2", "", 208, 62, 60, 21, 2, 0},
        {"pSrazBezO", Kind::Display, "GroupBox2", "", 208, 86, 60, 21, 3, 0},

        // Deductions for claims of one kind
        {"Label7", Kind::Label, "PanelPodepsal", "Bez souběhu částek", 56, 6, 116, 13, -1, 0},
        {"Label8", Kind::Label, "PanelPodepsal", "Srážka nepřednostní", 8, 68, 99, 13, -1, 0},
        {"Label9", Kind::Label, "PanelPodepsal", "Srážka přednostní", 8, 36, 87, 13, -1, 0},
        {"Label14", Kind::Label, "PanelPodepsal", "Mzda po srážkách", 428, 6, 104, 13, -1, 0},
        {"Label22", Kind::Label, "PanelPodepsal", "Srážka přednostní", 304, 36, 87, 13, -1, 0},
        {"Label23", Kind::Label, "PanelPodepsal", "Srážka nepřednostní", 304, 68, 99, 13, -1, 0},
        {"pBezSNepr", Kind::Display, "PanelPodepsal", "", 152, 65, 60, 21, 0, 0},
        {"pBezSPrednost", Kind::Display, "PanelPodepsal", "", 152, 33, 60, 21, 1, 0},
        {"pMzdaBezN", Kind::Display, "PanelPodepsal", "", 448, 65, 60, 21, 2, 0},
        {"pMzdaBezP", Kind::Display, "PanelPodepsal", "", 448, 33, 60, 21, 3, 0},

        // Date heading of the garnishment page
        {"Label17", Kind::Label, "PanelHorni", "od 1.1.2023", 1, 1, 580, 39, -1, 0},

        // Deductions for concurrent claims or insolvency
        {"Label18", Kind::Label, "pKVyplate", "Při souběhu částek", 56, 8, 111, 13, -1, 0},
        {"Label19", Kind::Label, "pKVyplate", "Srážka nepřednostní", 8, 59, 99, 13, -1, 0},
        {"LSrazkaP", Kind::Label, "pKVyplate", "Srážka přednostní", 8, 36, 87, 13, -1, 0},
        {"Label20", Kind::Label, "pKVyplate", "Mzda po srážkách", 390, 10, 104, 13, -1, 0},
        {"Label21", Kind::Label, "pKVyplate", "při souběhu a nebo insolvenci", 357, 26, 172, 13, -1, 0},
        {"pSoubehNepr", Kind::Display, "pKVyplate", "", 152, 57, 60, 21, 0, 0},
        {"pSoubehPred", Kind::Display, "pKVyplate", "", 152, 34, 60, 21, 1, 0},
        {"pMzdaSoub", Kind::Display, "pKVyplate", "0", 412, 57, 60, 21, 2, 0},

        // Publisher footer of the garnishment page
        {"Label10", Kind::Label, "Panel1", Publisher::Name, 222, 6, 137, 16, -1, 0},
        {"Label11", Kind::Label, "Panel1", Publisher::Copyright, 212, 8, 10, 13, -1, 0},
        {"Label12", Kind::Label, "Panel1", Publisher::Web, 204, 38, 69, 13, -1, 0},
        {"Label15", Kind::Label, "Panel1", Publisher::Mail, 292, 38, 71, 13, -1, 0},
        {"Label16", Kind::Label, "Panel1", Publisher::SecondWeb, 228, 23, 104, 13, -1, 0},
    };
    return rows;
}

const ControlRow* controlRow(std::string_view name)
{
    static const std::unordered_map<std::string_view, const ControlRow*> index = [] {
        std::unordered_map<std::string_view, const ControlRow*> rows;
        for (const ControlRow& row : controlTable())
            rows.emplace(row.name, &row);
        return rows;
    }();
    auto it = index.find(name);
    return it == index.end() ? nullptr : it->second;
}

}  // namespace platomer
