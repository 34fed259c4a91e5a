// What a screen reader hears of the window as it works: every figure explained in its
// description, each user action told once at its end (one change per control that changed, no
// padding blanks, the caret and selection in offsets of the text read), the tick that leaving the
// net field makes, the page the tab strip turns to, the windows as frames and one focused object
// at a time.
#include <QAccessible>
#include <QApplication>
#include <QHelpEvent>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "ListeningBridge.h"
#include "WindowFixture.h"
#include "explain/ComputationText.h"
#include "explain/Explanation.h"

namespace platomer {

namespace {

bool changesText(QAccessible::Event type)
{
    return type == QAccessible::TextUpdated || type == QAccessible::TextInserted || type == QAccessible::TextRemoved;
}

std::vector<HeardEvent> ofType(const Listening& listening, QAccessible::Event type)
{
    std::vector<HeardEvent> found;
    for (const HeardEvent& event : listening.events())
        if (event.type == type) found.push_back(event);
    return found;
}

}  // namespace

class Announcing : public WindowFixture {
protected:
    QAccessibleInterface* accessible(const std::string& name) const
    {
        return QAccessible::queryAccessibleInterface(built.widgets.at(name));
    }

    // What a screen reader reads of every entry and panel, by control.
    std::map<std::string, QString> readTexts() const
    {
        std::map<std::string, QString> texts;
        for (const auto& [name, widget] : built.widgets) {
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
            if (QAccessibleTextInterface* text = iface ? iface->textInterface() : nullptr)
                texts[name] = text->text(0, text->characterCount());
        }
        return texts;
    }

    // Every object of the window that says it holds the focus: a widget by its name, a tab of the
    // strip by the strip's name, "/" and its index.
    std::vector<std::string> focusedObjects() const
    {
        std::vector<std::string> focused;
        std::vector<std::pair<QAccessibleInterface*, std::string>> pending{
            {QAccessible::queryAccessibleInterface(built.window), "window"}};
        while (!pending.empty()) {
            auto [iface, name] = pending.back();
            pending.pop_back();
            if (iface->state().focused) focused.push_back(name);
            for (int i = 0; i < iface->childCount(); ++i) {
                QAccessibleInterface* child = iface->child(i);
                if (!child) continue;
                QObject* object = child->object();
                pending.emplace_back(child,
                                     object ? object->objectName().toStdString() : name + "/" + std::to_string(i));
            }
        }
        return focused;
    }

    void explanationsAreDescriptions(const char* when) const
    {
        for (const Control& control : form->controls()) {
            if (!explainsFigure(control)) continue;
            const ExplanationLine line = explain(*form, control.name());
            const QString description = accessible(control.name())->text(QAccessible::Description);
            EXPECT_EQ(description.toStdString(), render(line)) << control.name() << " " << when;
            EXPECT_FALSE(description.startsWith(QString::fromStdString(line.label + "\n"))) << control.name();
        }
    }

    // The focus in the net field, reached by Tab, with a new net typed over the selected one.
    void typeNet(const QString& net)
    {
        press(Qt::Key_Tab);
        press(Qt::Key_Tab);
        ASSERT_EQ(qtFocus(), "EdCista");
        typeText(net);
    }
};

TEST_F(Announcing, EveryFigureIsDescribedByItsExplanationWithoutTheLabel)
{
    explanationsAreDescriptions("at the start");
    const QString social = accessible("PSocialni")->text(QAccessible::Description);
    press(Qt::Key_Tab);
    typeText("30000");
    press(Qt::Key_Tab);
    explanationsAreDescriptions("after a recalculation");
    EXPECT_NE(accessible("PSocialni")->text(QAccessible::Description), social);
    // A click into an amount field resets the results; their descriptions say so at once.
    click("EdHruba");
    explanationsAreDescriptions("after the click that resets the figures");
    // Hovering sets the tooltip, which is markup; the description stays the plain explanation.
    QWidget* panel = widget("PSocialni");
    QHelpEvent hover(QEvent::ToolTip, panel->rect().center(), panel->mapToGlobal(panel->rect().center()));
    QApplication::sendEvent(panel, &hover);
    clickTab(1);
    explanationsAreDescriptions("on the garnishment page");
}

// State: a gross computed while nobody listened, so that no description was made. Action: a client
// begins to listen, then the box of partial disability is ticked. Expected: it hears a changed
// description for exactly the figures whose explanation the tick changed, not for every figure.
TEST_F(Announcing, AClientThatBeginsToListenHearsOnlyWhatTheNextActionChanged)
{
    press(Qt::Key_Tab);
    typeText("30000");
    press(Qt::Key_Tab);
    std::map<std::string, QString> before;
    for (const Control& control : form->controls())
        if (explainsFigure(control))
            before[control.name()] = accessible(control.name())->text(QAccessible::Description);
    Listening listening;
    click("CHckBNezdI");
    std::set<std::string> told, changed;
    for (const HeardEvent& event : ofType(listening, QAccessible::DescriptionChanged))
        told.insert(event.object);
    for (const auto& [name, description] : before)
        if (accessible(name)->text(QAccessible::Description) != description) changed.insert(name);
    EXPECT_FALSE(changed.empty());
    EXPECT_LT(changed.size(), before.size());
    EXPECT_EQ(told, changed);
}

// State: the focus in the net field, a new net typed. Action: Tab, which leaves the field and
// searches the gross. Expected: every entry and panel whose read text changed is told once, the
// change applied to the old text gives the new one, no blanks are read.
TEST_F(Announcing, OneRecalculationTellsEachChangedControlOnceWithoutPadding)
{
    typeNet("20000");
    const std::map<std::string, QString> before = readTexts();
    Listening listening;
    press(Qt::Key_Tab);
    const std::map<std::string, QString> after = readTexts();

    std::set<std::string> changed;
    for (const auto& [name, text] : after)
        if (before.at(name) != text) changed.insert(name);
    EXPECT_GE(changed.size(), 10u);
    std::set<std::string> told;
    int texts = 0;
    for (const HeardEvent& event : listening.events()) {
        if (!changesText(event.type)) continue;
        ++texts;
        EXPECT_TRUE(told.insert(event.object).second) << event.object << " is told twice";
        ASSERT_TRUE(before.count(event.object)) << event.object;
        QString text = before.at(event.object);
        text.replace(event.position, event.removed.size(), event.inserted);
        EXPECT_EQ(text, after.at(event.object)) << event.object;
        EXPECT_FALSE(event.inserted.startsWith(' ')) << event.object;
    }
    EXPECT_EQ(told, changed);
    for (const QAccessible::Event type : {QAccessible::ValueChanged, QAccessible::TextCaretMoved}) {
        std::set<std::string> objects;
        for (const HeardEvent& event : ofType(listening, type))
            EXPECT_TRUE(objects.insert(event.object).second) << event.object << " twice, event " << type;
    }
    // The net field keeps the focus: nothing about it is said again.
    ASSERT_EQ(qtFocus(), "EdCista");
    EXPECT_TRUE(ofType(listening, QAccessible::Focus).empty());
    ::testing::Test::RecordProperty("textChanges", texts);
    ::testing::Test::RecordProperty("events", static_cast<int>(listening.events().size()));
}

// Typed into the selected gross: the first digit replaces the figure, the next is one digit
// inserted after it, with the caret behind it.
TEST_F(Announcing, ATypedDigitIsToldAsOneDigitAtTheCaret)
{
    press(Qt::Key_Tab);
    ASSERT_EQ(qtFocus(), "EdHruba");
    typeText("3");
    Listening listening;
    typeText("5");
    const std::vector<HeardEvent> texts = ofType(listening, QAccessible::TextUpdated);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts.front().position, 1);
    EXPECT_EQ(texts.front().removed, "");
    EXPECT_EQ(texts.front().inserted, "5");
    const std::vector<HeardEvent> carets = ofType(listening, QAccessible::TextCaretMoved);
    ASSERT_EQ(carets.size(), 1u);
    EXPECT_EQ(carets.front().position, 2);
    // Nothing was selected before the digit or after it.
    EXPECT_TRUE(ofType(listening, QAccessible::TextSelectionChanged).empty());
    EXPECT_TRUE(ofType(listening, QAccessible::Focus).empty());
}

// Back from the gross to the strip and forth again: the amount padded by the gross field's exit
// is selected whole on arrival, which is read as the figure alone.
TEST_F(Announcing, SelectionsAreToldInOffsetsOfTheTextRead)
{
    press(Qt::Key_Tab);
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(qtFocus(), "PcHlav");
    Listening listening;
    press(Qt::Key_Tab);
    ASSERT_EQ(qtFocus(), "EdHruba");
    // The focus is told once, last.
    const std::vector<HeardEvent> focus = ofType(listening, QAccessible::Focus);
    ASSERT_EQ(focus.size(), 1u);
    EXPECT_EQ(focus.front().object, "EdHruba");
    EXPECT_EQ(listening.events().back().type, QAccessible::Focus);
    for (const HeardEvent& event : listening.events()) {
        if (event.type == QAccessible::TextSelectionChanged) {
            EXPECT_EQ(event.object, "EdHruba");
            EXPECT_EQ(event.position, 0);
            EXPECT_EQ(event.end, 5);
        }
        if (event.type == QAccessible::TextCaretMoved) {
            EXPECT_LE(event.position, 5) << event.object;
        }
    }
}

TEST_F(Announcing, LeavingTheNetFieldToldAsTheTickOfTheModeBox)
{
    typeNet("20000");
    ASSERT_FALSE(accessible("ChckBxHrzCis")->state().checked);
    Listening listening;
    press(Qt::Key_Tab);
    ASSERT_TRUE(accessible("ChckBxHrzCis")->state().checked);
    std::vector<std::string> ticked;
    for (const HeardEvent& event : ofType(listening, QAccessible::StateChanged))
        if (event.states.checked) ticked.push_back(event.object);
    EXPECT_EQ(ticked, std::vector<std::string>{"ChckBxHrzCis"});
}

TEST_F(Announcing, TheTabStripTellsThePageItTurnsTo)
{
    ASSERT_EQ(qtFocus(), "PcHlav");
    for (int page : {1, 0}) {
        Listening listening;
        press(Qt::Key_Tab, Qt::ControlModifier);
        ASSERT_EQ(built.tabs->currentIndex(), page);
        const std::vector<HeardEvent> selected = ofType(listening, QAccessible::Selection);
        ASSERT_EQ(selected.size(), 1u) << page;
        EXPECT_EQ(selected.front().object, built.tabs->tabBar()->objectName().toStdString());
        EXPECT_EQ(selected.front().child, page);
        const std::vector<HeardEvent> focus = ofType(listening, QAccessible::Focus);
        ASSERT_EQ(focus.size(), 1u) << page;
        EXPECT_EQ(focus.front().child, page);
    }
}

TEST_F(Announcing, TheWindowsAreFramesAndOneObjectHoldsTheFocus)
{
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(built.window);
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), built.window->windowTitle());
    // Nothing inside it claims to be a window: a bevel without a name is no frame.
    for (QWidget* inside : built.window->findChildren<QWidget*>()) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(inside);
        const QAccessible::Role role = iface ? iface->role() : QAccessible::NoRole;
        EXPECT_TRUE(role != QAccessible::Window && role != QAccessible::Border) << inside->objectName().toStdString();
    }
    // On the strip the focus is the tab of the page shown; the strip and the tab control are not.
    const std::string strip = built.tabs->tabBar()->objectName().toStdString();
    EXPECT_EQ(focusedObjects(), std::vector<std::string>{strip + "/0"});
    press(Qt::Key_Tab);
    EXPECT_EQ(focusedObjects(), std::vector<std::string>{"EdHruba"});
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    press(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(focusedObjects(), std::vector<std::string>{strip + "/1"});
    press(Qt::Key_Tab);
    EXPECT_EQ(focusedObjects(), std::vector<std::string>{qtFocus()});

    press(Qt::Key_F1);
    QWidget* computation = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() && top->windowTitle() == QString::fromUtf8("Postup výpočtu")) computation = top;
    ASSERT_NE(computation, nullptr);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(computation)->role(), QAccessible::Window);
}

}  // namespace platomer
