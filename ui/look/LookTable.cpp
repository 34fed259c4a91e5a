// The look of every control that differs from the common look of its kind.
#include "ui/look/LookTable.h"

#include <QGuiApplication>
#include <QPalette>
#include <unordered_map>

namespace platomer {

namespace {

// The classic window font is a bitmap font of 11-pixel characters; the nearest font found on a
// free desktop with the same height and similar widths is this one. The large headings and the
// copyright sign asked for decorative fonts that are just as rare; the same family serves.
// Its letters run a few per cent wider than the classic ones, so it is narrowed to let every
// label's text fit the width the layout gives the label.
constexpr const char* WindowFamily = "Liberation Sans";
constexpr int WindowStretch = 94;
constexpr const char* HeadingFamily = "Liberation Sans";

constexpr Bevel RaisedThenLowered{BevelCut::Raised, BevelCut::Lowered, 1};

Look display(Paint text = Paint::WindowText, bool bold = false)
{
    Look look;
    look.text = text;
    look.bold = bold;
    look.background = Paint::InfoBk;
    look.bevel = {BevelCut::Lowered, BevelCut::None, 3};
    return look;
}

Look label(Paint text = Paint::WindowText, bool bold = false, Paint background = Paint::Parent)
{
    Look look;
    look.text = text;
    look.bold = bold;
    look.background = background;
    return look;
}

Look container(Bevel bevel, Paint background = Paint::Parent)
{
    Look look;
    look.bevel = bevel;
    look.background = background;
    return look;
}

Look link(bool clickable)
{
    Look look = label(Paint::Blue, true, Paint::Silver);
    look.handCursor = clickable;
    return look;
}

Look heading(int pixelHeight)
{
    Look look = label(Paint::Background);
    look.family = HeadingFamily;
    look.pixelHeight = pixelHeight;
    look.centredTop = true;
    look.handCursor = true;
    // The heading names the year whose rules the page follows and offers the others.
    look.hint = "Pravidla roku: klepnutím nebo klávesami Ctrl+R zvolíte rok výpočtu";
    return look;
}

Look publisherLine(int pixelHeight)
{
    Look look = label(Paint::WindowText, true);
    look.family = HeadingFamily;
    look.pixelHeight = pixelHeight;
    return look;
}

Look defaultLook(Kind kind);

Look insuranceBox(const char* hint)
{
    Look look;
    look.background = Paint::Silver;
    look.hint = hint;
    return look;
}

Look amountField(Paint text) { return label(text); }

// A tick box with its caption on the left, as every box of the window, and a hint of its own.
Look hintedBox(const char* hint)
{
    Look look = defaultLook(Kind::TickBox);
    look.hint = hint;
    return look;
}

Look counterField()
{
    // Bold blue on the tooltip background, drawn from the left.
    return label(Paint::HotLight, true, Paint::InfoBk);
}

Look defaultLook(Kind kind)
{
    switch (kind) {
    case Kind::Display: return display();
    case Kind::Panel: return container({BevelCut::Raised, BevelCut::None, 1});
    case Kind::TickBox: {
        Look look;
        look.captionLeft = true;
        return look;
    }
    case Kind::Window:
    case Kind::PageControl:
    case Kind::Page: return label(Paint::WindowText, false, Paint::Silver);
    default: return Look{};
    }
}

const std::unordered_map<std::string_view, Look>& lookTable()
{
    static const std::unordered_map<std::string_view, Look> looks{
        // Wage page
        {"pHrubazCiste", container(RaisedThenLowered, Paint::Silver)},
        {"PanelFirmy", container(RaisedThenLowered)},
        {"PanleHorni", container({BevelCut::Lowered, BevelCut::Raised, 1})},
        {"LHruba", label(Paint::WindowText, true)},
        {"LCistaMz", label(Paint::WindowText, true)},
        {"LabelNaklady", label(Paint::Blue, false, Paint::Silver)},
        {"EdCista", amountField(Paint::Red)},
        {"EdNaklZam", display(Paint::HotLight, true)},
        {"ChckBSocAno", insuranceBox("Srážet sociální pojištění")},
        {"ChckBZdrAno", insuranceBox("Srážet zdravotní pojištění")},
        {"ChckBVyjimkaZP",
         hintedBox("Bez doplatku do minimálního vyměřovacího základu zdravotního pojištění: osoby, za které "
                   "platí pojistné stát (studenti do 26 let, rodiče na rodičovské, uchazeči o zaměstnání, osoby "
                   "na dlouhodobém ošetřovném…), držitelé průkazu ZTP nebo ZTP/P, rodič pečující celodenně o dítě "
                   "do 7 let nebo o dvě do 15 let, osoby v důchodovém věku bez důchodu, OSVČ platící alespoň "
                   "minimální zálohy a zaměstnanec, jehož jiné zaměstnání už platí z minima")},
        {"EdZakladRok", amountField(Paint::WindowText)},
        {"CopFirma", publisherLine(13)},
        {"ZnakC", publisherLine(13)},
        {"lWeb", link(true)},
        {"LabelMail", link(false)},
        {"Lbrovina", link(true)},
        {"LabelRok", heading(25)},
        {"pNezdM", display(Paint::Blue)},
        {"pNezdS", display(Paint::Blue)},
        {"pNezdI", display(Paint::Blue)},
        {"pNezdP", display(Paint::Blue)},
        {"pNezdztp", display(Paint::Blue)},
        {"pDite1", display(Paint::Blue)},
        {"pDite2", display(Paint::Blue)},
        {"pDite3", display(Paint::Blue)},
        {"pDite1ztp", display(Paint::Blue)},
        {"pDite2ztp", display(Paint::Blue)},
        {"pDite3ztp", display(Paint::Blue)},

        // Garnishment page
        {"PanelPodepsal", container(RaisedThenLowered)},
        {"PanelHorni", container({BevelCut::Lowered, BevelCut::None, 1})},
        {"pKVyplate", container(RaisedThenLowered)},
        {"Panel1", container(RaisedThenLowered)},
        {"Label2", label(Paint::WindowText, true)},
        {"EdExekCm", amountField(Paint::Red)},
        {"EdDeti", counterField()},
        {"EdPoniz", counterField()},
        {"pZivMinJ", display(Paint::Black, true)},
        {"pNormBydlo", display(Paint::Black, true)},
        {"pNezabKc", display(Paint::Black, true)},
        {"pSrazBezO", display(Paint::Black, true)},
        {"Label7", label(Paint::WindowText, true)},
        {"Label14", label(Paint::WindowText, true)},
        {"pBezSNepr", display(Paint::HotLight, true)},
        {"pBezSPrednost", display(Paint::HotLight, true)},
        {"pMzdaBezN", display(Paint::HotLight, true)},
        {"pMzdaBezP", display(Paint::HotLight, true)},
        {"Label17", heading(27)},
        {"Label18", label(Paint::WindowText, true)},
        {"Label20", label(Paint::WindowText, true)},
        {"Label21", label(Paint::WindowText, true)},
        {"pSoubehNepr", display(Paint::HotLight, true)},
        {"pSoubehPred", display(Paint::HotLight, true)},
        {"pMzdaSoub", display(Paint::HotLight, true)},
        {"Label10", publisherLine(13)},
        {"Label11", publisherLine(13)},
        {"Label12", link(true)},
        {"Label15", link(false)},
        {"Label16", link(true)},
    };
    return looks;
}

}  // namespace

QColor colourOf(Paint paint)
{
    switch (paint) {
    case Paint::Silver: return {192, 192, 192};
    case Paint::InfoBk: return QGuiApplication::palette().color(QPalette::ToolTipBase);
    case Paint::HotLight: return {0, 102, 204};
    case Paint::Background: return {58, 110, 165};
    case Paint::WindowText: return QGuiApplication::palette().color(QPalette::WindowText);
    case Paint::Blue: return {0, 0, 255};
    case Paint::Red: return {255, 0, 0};
    case Paint::Black: return {0, 0, 0};
    case Paint::Yellow: return {255, 255, 0};
    case Paint::Parent: break;
    }
    return {};
}

QFont fontOf(const Look& look)
{
    QFont font(look.family ? look.family : WindowFamily);
    font.setPixelSize(look.pixelHeight);
    font.setBold(look.bold);
    if (!look.family) font.setStretch(WindowStretch);
    return font;
}

Look lookOf(const ControlRow& row)
{
    auto it = lookTable().find(row.name);
    return it == lookTable().end() ? defaultLook(row.kind) : it->second;
}

}  // namespace platomer
