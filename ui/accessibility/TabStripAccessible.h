#pragma once
// The tab strip as a screen reader finds it: a list of page tabs, each named by its page, the tab
// of the page shown selected, and focused only while the strip holds the focus, so that one
// object of the window is focused at a time. Its tabs offer no action: a page is changed by the
// user's actions of the model alone.

#include <QAccessibleWidget>
#include <vector>

class QTabBar;

namespace platomer {

class TabStripAccessible : public QAccessibleWidget {
public:
    explicit TabStripAccessible(QTabBar* strip);
    ~TabStripAccessible() override;
    TabStripAccessible(const TabStripAccessible&) = delete;
    TabStripAccessible& operator=(const TabStripAccessible&) = delete;

    QAccessible::State state() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

private:
    QTabBar* strip() const;
    // A tab's interface, made when first asked for and kept by the toolkit under its id.
    mutable std::vector<QAccessible::Id> tabs_;
};

}  // namespace platomer
