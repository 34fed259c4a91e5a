// What only the window itself can show: its size and caption, the tooltips, and where every
// control stands.
#include <QLineEdit>
#include <QWidget>

#include "WindowFixture.h"
#include "app/QtPlatform.h"

namespace platomer {

using WindowLook = WindowFixture;

TEST_F(WindowLook, WindowHasFixedClientSizeAndCaption)
{
    QWidget* window = built.window;
    EXPECT_EQ(window->size(), QSize(604, 521));
    EXPECT_EQ(window->minimumSize(), QSize(604, 521));
    EXPECT_EQ(window->maximumSize(), QSize(604, 521));
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("Mzdové výpočty"));
}

TEST_F(WindowLook, OnlyTheInsuranceBoxesAndTheHeadingsShowTooltips)
{
    EXPECT_EQ(widget("ChckBSocAno")->toolTip(), QString::fromUtf8("Srážet sociální pojištění"));
    EXPECT_EQ(widget("ChckBZdrAno")->toolTip(), QString::fromUtf8("Srážet zdravotní pojištění"));
    // The heading of each page names the shortcut of its menu of years.
    for (const char* heading : {"LabelRok", "Label17"})
        EXPECT_TRUE(widget(heading)->toolTip().contains("Ctrl+R")) << heading;
    // The exemption from the health minimum says who is exempt.
    EXPECT_TRUE(widget("ChckBVyjimkaZP")->toolTip().contains("ZTP/P"));
    for (QWidget* w : built.window->findChildren<QWidget*>()) {
        if (w == widget("ChckBSocAno") || w == widget("ChckBZdrAno") || w == widget("LabelRok") ||
            w == widget("Label17") || w == widget("ChckBVyjimkaZP"))
            continue;
        EXPECT_TRUE(w->toolTip().isEmpty()) << w->objectName().toStdString() << " has a tooltip";
    }
    EXPECT_TRUE(built.window->toolTip().isEmpty());
}

// Labels size themselves to their text; every other control stands where the control table says,
// measured from the inside of its parent, on its page while that page is shown.
TEST_F(WindowLook, ControlsOtherThanLabelsStandWhereTheTableSays)
{
    for (int page = 0; page < 2; ++page) {
        clickTab(page);
        ASSERT_EQ(built.tabs->currentIndex(), page);
        for (const Control& control : form->controls()) {
            const ControlRow& row = control.row();
            if (row.kind == Kind::Window || row.kind == Kind::Label) continue;
            const int on = form->pageOf(control);
            if (on >= 0 && on != page) continue;
            QWidget* w = built.widgets.at(row.name);
            QWidget* parent = std::string(row.parent) == "Kalkulajda" ? built.window : built.widgets.at(row.parent);
            const QRect shown(w->mapTo(parent, QPoint(0, 0)), w->size());
            EXPECT_EQ(shown, QRect(row.left, row.top, row.width, row.height)) << row.name;
        }
    }
}

// From 2024 the window grows to show the employee's frame below the footer: the frame lies on its
// page and over no other control of it, its controls inside it, apart and with their captions
// whole; in the window's own year the frame hides and the window has its own size again.
TEST_F(WindowLook, TheEmployeesFrameFitsTheLaterYearsWindow)
{
    const QSize own = built.window->size();
    form->ZvolRok(2026);
    QWidget* frame = widget("GBoxZamestnanec");
    ASSERT_TRUE(frame->isVisible());
    QWidget* page = frame->parentWidget();
    EXPECT_TRUE(page->rect().contains(frame->geometry()));
    EXPECT_GT(built.window->height(), own.height());
    const auto children = [](QWidget* parent) {
        return parent->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    };
    for (QWidget* other : children(page))
        if (other != frame && other->isVisible()) {
            EXPECT_FALSE(other->geometry().intersects(frame->geometry())) << other->objectName().toStdString();
        }
    const QList<QWidget*> inside = children(frame);
    for (QWidget* control : inside) {
        const std::string name = control->objectName().toStdString();
        EXPECT_TRUE(frame->contentsRect().contains(control->geometry())) << name;
        // A caption shows whole; an entry scrolls its text.
        if (!qobject_cast<QLineEdit*>(control)) {
            EXPECT_LE(control->sizeHint().width(), control->width()) << name;
        }
        for (QWidget* other : inside)
            if (other != control) {
                EXPECT_FALSE(other->geometry().intersects(control->geometry())) << name;
            }
    }
    form->ZvolRok(2023);
    EXPECT_FALSE(frame->isVisible());
    EXPECT_EQ(built.window->size(), own);
}

// A paste of 100 000 characters quoted by the conversion error: the box shows its start, an
// ellipsis and its end with the full stop, a few hundred characters in all.
TEST(ErrorBox, QuotesALongTextByItsStartAndEnd)
{
    const std::string message = "'" + std::string(100000, '7') + "x' is not a valid integer value.";
    const QString shown = boxText(message);
    EXPECT_LE(shown.size(), 221);
    EXPECT_TRUE(shown.startsWith("'7777"));
    EXPECT_TRUE(shown.endsWith("7x' is not a valid integer value."));
    EXPECT_TRUE(shown.contains(QChar(0x2026)));
    EXPECT_EQ(boxText("'abc' is not a valid integer value."), QString("'abc' is not a valid integer value."));
}

}  // namespace platomer
