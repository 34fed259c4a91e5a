// What a screen reader finds on both pages: every entry, tick box and display panel named by the
// label beside it, with its role and its figure without padding; a new figure is announced; and
// every keyboard stop draws its focus.
#include <QAccessible>
#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <unordered_map>
#include <vector>

#include "ListeningBridge.h"
#include "WindowFixture.h"
#include "explain/ComputationText.h"
#include "model/ControlLabels.h"
#include "ui/look/LookTable.h"
#include "ui/widgets/BevelFrame.h"
#include "ui/widgets/DisplayPanel.h"
#include "ui/widgets/TickBox.h"

namespace platomer {

namespace {

QString qText(const std::string& text) { return QString::fromStdString(text); }

QString withoutLeadingBlanks(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? QString() : qText(text.substr(first));
}

bool readsAndFills(Kind kind)
{
    return kind == Kind::Entry || kind == Kind::NumericEntry || kind == Kind::TickBox || kind == Kind::Display;
}

const ControlRow& rowOf(std::string_view name)
{
    for (const ControlRow& row : controlTable())
        if (name == row.name) return row;
    ADD_FAILURE() << "no control " << name;
    return controlTable().front();
}

// The pixels of `after` that differ from `before`.
std::vector<QPoint> changedPixels(const QImage& before, const QImage& after)
{
    std::vector<QPoint> changed;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y)) changed.emplace_back(x, y);
    return changed;
}

bool onOutline(const QRect& frame, const QPoint& p)
{
    return frame.contains(p) &&
           (p.x() == frame.left() || p.x() == frame.right() || p.y() == frame.top() || p.y() == frame.bottom());
}

}  // namespace

class Accessibility : public WindowFixture {
protected:
    QAccessibleInterface* accessible(const char* name) const
    {
        return QAccessible::queryAccessibleInterface(built.widgets.at(name));
    }

    // Every interface below the window that stands for a control, by the control's name.
    std::unordered_map<std::string, QAccessibleInterface*> walk() const
    {
        std::unordered_map<std::string, QAccessibleInterface*> found;
        std::vector<QAccessibleInterface*> pending{QAccessible::queryAccessibleInterface(built.window)};
        while (!pending.empty()) {
            QAccessibleInterface* iface = pending.back();
            pending.pop_back();
            if (QObject* object = iface->object(); object && !object->objectName().isEmpty())
                found.emplace(object->objectName().toStdString(), iface);
            for (int i = 0; i < iface->childCount(); ++i)
                if (QAccessibleInterface* child = iface->child(i)) pending.push_back(child);
        }
        return found;
    }

    QImage grabbed(const char* name) const { return widget(name)->grab().toImage(); }

    bool isPanel(const std::string& name) const
    {
        auto it = built.widgets.find(name);
        return it != built.widgets.end() && qobject_cast<DisplayPanel*>(it->second);
    }
};

// Reached through the accessible tree from the window, as a screen reader walks it, on both pages.
// First in the program, so that it sees the first window ever built: a widget keeps the interface
// it was first given, which its first change of text already asks for.
TEST_F(Accessibility, EveryInputAndOutputHasItsNameRoleAndFigure)
{
    const auto tree = walk();
    for (const Control& control : form->controls()) {
        if (!readsAndFills(control.kind())) continue;
        const std::string& name = control.name();
        auto it = tree.find(name);
        ASSERT_NE(it, tree.end()) << name << " cannot be reached from the window";
        QAccessibleInterface* iface = it->second;
        EXPECT_EQ(iface, accessible(name.c_str())) << name;
        EXPECT_EQ(iface->text(QAccessible::Name), qText(labelCaption(*labelOf(name)))) << name;
        switch (control.kind()) {
        case Kind::TickBox:
            EXPECT_EQ(iface->role(), QAccessible::CheckBox) << name;
            EXPECT_TRUE(iface->state().checkable) << name;
            EXPECT_EQ(bool(iface->state().checked), control.ticked()) << name;
            break;
        case Kind::Display:
            EXPECT_EQ(iface->role(), QAccessible::EditableText) << name;
            EXPECT_TRUE(iface->state().readOnly) << name;
            EXPECT_FALSE(iface->state().focusable) << name;
            break;
        default:
            EXPECT_EQ(iface->role(), QAccessible::EditableText) << name;
            EXPECT_TRUE(iface->state().editable) << name;
            EXPECT_FALSE(iface->state().readOnly) << name;
            EXPECT_TRUE(iface->state().focusable) << name;
            break;
        }
        if (control.kind() == Kind::TickBox) continue;
        const QString figure = withoutLeadingBlanks(control.text());
        EXPECT_EQ(iface->text(QAccessible::Value), figure) << name;
        QAccessibleTextInterface* text = iface->textInterface();
        ASSERT_NE(text, nullptr) << name;
        EXPECT_EQ(text->characterCount(), figure.size()) << name;
        EXPECT_EQ(text->text(0, text->characterCount()), figure) << name;
    }
}

// The label named for a control stands beside it, in the same frame, to its left on its row; a
// grid heading stands above its column. A control named by its own caption needs no neighbour.
TEST_F(Accessibility, EveryNamingLabelStandsBesideItsControl)
{
    for (const Control& control : form->controls())
        if (readsAndFills(control.kind())) {
            EXPECT_NE(labelOf(control.name()), nullptr) << control.name();
        }
    for (const ControlLabel& label : controlLabels()) {
        const ControlRow& row = rowOf(label.control);
        const ControlRow& text = rowOf(label.label);
        EXPECT_FALSE(labelCaption(label).empty()) << row.name;
        if (row.kind == Kind::Panel) {
            EXPECT_EQ(std::string(text.parent), row.name) << row.name << " is named by a control outside it";
            continue;
        }
        if (text.name == row.name) {
            EXPECT_EQ(row.kind, Kind::TickBox) << row.name;
            continue;
        }
        EXPECT_EQ(text.kind, Kind::Label) << row.name;
        EXPECT_EQ(std::string(text.parent), row.parent) << row.name;
        const int middle = text.top + text.height / 2;
        const bool beside = text.left + text.width <= row.left && middle >= row.top && middle < row.top + row.height;
        const auto above = [&row](const ControlRow& heading) {
            return std::string(heading.parent) == row.parent && heading.top + heading.height <= row.top &&
                   heading.left < row.left + row.width && row.left < heading.left + heading.width;
        };
        if (*label.heading) {
            EXPECT_TRUE(above(rowOf(label.heading))) << row.name << " is not under " << label.heading;
            EXPECT_TRUE(beside || above(text)) << row.name << " is neither beside nor under " << text.name;
        } else {
            EXPECT_TRUE(beside) << row.name << " is not beside " << text.name;
        }
    }
}

TEST_F(Accessibility, NamesAreTheLabelsTextsAsOnePhrase)
{
    EXPECT_EQ(labelCaption(*labelOf("EdHruba")), "Hrubá mzda");
    EXPECT_EQ(labelCaption(*labelOf("SPF")), "Sociální firma");
    EXPECT_EQ(labelCaption(*labelOf("CHckBNezdS")), "Žáci a studenti");
    EXPECT_EQ(labelCaption(*labelOf("pBezSPrednost")), "Bez souběhu částek – Srážka přednostní");
    EXPECT_EQ(labelCaption(*labelOf("pMzdaSoub")), "Mzda po srážkách – při souběhu a nebo insolvenci");
    EXPECT_EQ(labelOf("LHruba"), nullptr);
}

TEST_F(Accessibility, PaddedAmountsAreReadWithoutTheirBlanks)
{
    // The first calculation padded the gross and the two net fields to their width.
    for (const char* name : {"EdHruba", "EdCista", "EdExekCm"}) {
        ASSERT_TRUE(widget<QLineEdit>(name)->text().startsWith(' ')) << name;
        EXPECT_FALSE(accessible(name)->text(QAccessible::Value).startsWith(' ')) << name;
    }
    EXPECT_EQ(accessible("EdHruba")->text(QAccessible::Value), "17300");
    EXPECT_EQ(accessible("EdCista")->text(QAccessible::Value), "15371");

    // Tab selects the whole amount, blanks and all; what is read as selected is the figure.
    press(Qt::Key_Tab);
    ASSERT_EQ(qtFocus(), "EdHruba");
    QAccessibleInterface* gross = accessible("EdHruba");
    EXPECT_TRUE(gross->state().focused);
    QAccessibleTextInterface* text = gross->textInterface();
    int start = -1;
    int end = -1;
    ASSERT_EQ(text->selectionCount(), 1);
    text->selection(0, &start, &end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 5);
    EXPECT_EQ(text->cursorPosition(), 5);
    // A character's place on the screen lies inside the field.
    const QRect field(widget("EdHruba")->mapToGlobal(QPoint(0, 0)), widget("EdHruba")->size());
    EXPECT_TRUE(field.contains(text->characterRect(0))) << text->characterRect(0).x();
    EXPECT_EQ(text->offsetAtPoint(text->characterRect(2).center()), 2);
}

TEST_F(Accessibility, TickBoxesReportTheirTickAndTheInsuranceBoxesTheirHint)
{
    click("ChckBxDeti1");
    EXPECT_TRUE(accessible("ChckBxDeti1")->state().checked);
    click("ChckBSocAno");
    EXPECT_FALSE(accessible("ChckBSocAno")->state().checked);
    // A figure is described by its explanation (AnnouncementTest); every other control by its hint.
    for (const ControlLabel& label : controlLabels()) {
        if (explainsFigure(form->control(label.control))) continue;
        const Look look = lookOf(rowOf(label.control));
        const QString hint = look.hint ? QString::fromUtf8(look.hint) : QString();
        EXPECT_EQ(accessible(label.control)->text(QAccessible::Description), hint) << label.control;
    }
    EXPECT_EQ(accessible("ChckBZdrAno")->text(QAccessible::Description),
              QString::fromUtf8("Srážet zdravotní pojištění"));
}

TEST_F(Accessibility, HeadingsAndGroupTitlesAreStaticText)
{
    for (const Control& control : form->controls()) {
        if (control.kind() == Kind::Label) {
            QAccessibleInterface* iface = accessible(control.name().c_str());
            EXPECT_EQ(iface->role(), QAccessible::StaticText) << control.name();
            EXPECT_EQ(iface->text(QAccessible::Name), qText(control.text())) << control.name();
        }
        if (control.kind() == Kind::GroupBox) {
            QAccessibleInterface* iface = accessible(control.name().c_str());
            EXPECT_EQ(iface->role(), QAccessible::Grouping) << control.name();
            EXPECT_EQ(iface->text(QAccessible::Name), qText(control.text())) << control.name();
        }
    }
}

TEST_F(Accessibility, ContainerStopsAreNamedGroups)
{
    for (const Control& control : form->controls()) {
        if (control.kind() != Kind::Panel || !(control.row().flags & TabStop)) continue;
        const std::string& name = control.name();
        QAccessibleInterface* iface = accessible(name.c_str());
        EXPECT_EQ(iface->role(), QAccessible::Grouping) << name;
        ASSERT_NE(labelOf(name), nullptr) << name;
        EXPECT_EQ(iface->text(QAccessible::Name), qText(labelCaption(*labelOf(name)))) << name;
    }
    clickTab(1);
    for (int i = 0; i < 4; ++i)
        press(Qt::Key_Tab);
    ASSERT_EQ(qtFocus(), "PanelPodepsal");
    EXPECT_TRUE(accessible("PanelPodepsal")->state().focused);
    EXPECT_EQ(accessible("PanelPodepsal")->text(QAccessible::Name), "Bez souběhu částek");
}

// State: a screen reader listening, a new gross typed over the selected one. Action: leaving the
// field. Expected: each panel whose figure changed says so once, with its old and its new figure;
// the others are quiet.
TEST_F(Accessibility, RecalculationAnnouncesEveryChangedFigure)
{
    press(Qt::Key_Tab);
    ASSERT_EQ(qtFocus(), "EdHruba");
    typeText("30000");
    std::unordered_map<std::string, int> values;
    std::unordered_map<std::string, std::pair<std::string, std::string>> texts;
    {
        Listening listening;
        press(Qt::Key_Tab);
        for (const HeardEvent& event : listening.events()) {
            if (event.type == QAccessible::ValueChanged) {
                ++values[event.object];
                if (event.object == "PSocialni") {
                    EXPECT_EQ(event.value.toStdString(), "1950");
                }
            } else if (event.type == QAccessible::TextUpdated && isPanel(event.object)) {
                texts[event.object] = {event.removed.toStdString(), event.inserted.toStdString()};
            }
        }
    }
    for (const auto& [name, count] : values)
        EXPECT_EQ(count, 1) << name;
    EXPECT_EQ(texts["PSocialni"], std::make_pair(std::string("1125"), std::string("1950")));
    EXPECT_EQ(values.count("EdNaklZam"), 1u);
    // The garnishment page follows the new net wage; the protected amount stays as it was.
    EXPECT_EQ(values.count("pBezSPrednost"), 1u);
    EXPECT_EQ(values.count("pNezabKc"), 0u);
    // So do the year's parameters.
    EXPECT_EQ(values.count("pNezdM"), 0u);
    EXPECT_EQ(values.count("pZivMinJ"), 0u);
}

// Focus frames are drawn only where the focus is, and only on the dotted outline.
TEST_F(Accessibility, PanelStopsDrawADottedFrameInsideTheirBevelWhileFocused)
{
    clickTab(1);
    const QImage unfocused = grabbed("PanelPodepsal");
    for (int i = 0; i < 4; ++i)
        press(Qt::Key_Tab);
    ASSERT_EQ(qtFocus(), "PanelPodepsal");
    const auto* panel = widget<BevelFrame>("PanelPodepsal");
    const std::vector<QPoint> changed = changedPixels(unfocused, grabbed("PanelPodepsal"));
    // Dotted: about every other pixel of the outline.
    const QRect frame = panel->focusRect();
    EXPECT_GT(changed.size(), static_cast<std::size_t>(frame.width() + frame.height() - 4));
    EXPECT_TRUE(panel->insideRect().contains(frame));
    for (const QPoint& p : changed)
        EXPECT_TRUE(onOutline(frame, p)) << p.x() << "," << p.y();
    press(Qt::Key_Tab);
    EXPECT_TRUE(changedPixels(unfocused, grabbed("PanelPodepsal")).empty());
}

TEST_F(Accessibility, TickBoxesFrameTheirCaptionOrThemselvesWhileFocused)
{
    // The gross field's exit would tick the mode box; keep the focus on the boxes alone.
    for (const char* name : {"CheckBxDpp", "ChckBxHrzCis", "ChckBZdrAno"}) {
        const QImage unfocused = grabbed(name);
        for (int i = 0; i < 30 && qtFocus() != name; ++i)
            press(Qt::Key_Backtab, Qt::ShiftModifier);
        ASSERT_EQ(qtFocus(), name);
        const std::vector<QPoint> changed = changedPixels(unfocused, grabbed(name));
        const QRect frame = widget<TickBox>(name)->focusRect();
        EXPECT_FALSE(changed.empty()) << name;
        for (const QPoint& p : changed)
            EXPECT_TRUE(onOutline(frame, p)) << name << " " << p.x() << "," << p.y();
    }
}

TEST_F(Accessibility, TheTabStripShowsItsFocusedTab)
{
    ASSERT_EQ(qtFocus(), "PcHlav");
    QTabBar* strip = built.tabs->tabBar();
    const QImage focused = strip->grab().toImage();
    press(Qt::Key_Tab);
    const std::vector<QPoint> changed = changedPixels(focused, strip->grab().toImage());
    EXPECT_FALSE(changed.empty());
    for (const QPoint& p : changed)
        EXPECT_TRUE(strip->tabRect(0).contains(p)) << p.x() << "," << p.y();
}

}  // namespace platomer
