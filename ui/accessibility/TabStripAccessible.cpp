#include "ui/accessibility/TabStripAccessible.h"

#include <QPointer>
#include <QTabBar>

namespace platomer {

namespace {

class TabAccessible : public QAccessibleInterface {
public:
    TabAccessible(QTabBar* strip, int index) : strip_(strip), index_(index) {}

    bool isValid() const override { return strip_ && index_ < strip_->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return strip_ ? strip_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(strip_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return QAccessible::PageTab; }

    QString text(QAccessible::Text type) const override
    {
        if (!isValid()) return {};
        if (type == QAccessible::Name) return QString(strip_->tabText(index_)).remove(u'&');
        if (type == QAccessible::Description) return strip_->tabToolTip(index_);
        return {};
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid()) return state;
        const bool shown = strip_->currentIndex() == index_;
        state.selectable = true;
        state.selected = shown;
        state.focusable = true;
        state.focused = shown && strip_->hasFocus();
        state.invisible = !strip_->isVisible() || !strip_->isTabVisible(index_);
        state.disabled = !strip_->isTabEnabled(index_);
        return state;
    }

    QRect rect() const override
    {
        if (!isValid() || !strip_->isTabVisible(index_)) return {};
        const QRect tab = strip_->tabRect(index_);
        return {strip_->mapToGlobal(tab.topLeft()), tab.size()};
    }

private:
    QPointer<QTabBar> strip_;
    int index_;
};

}  // namespace

TabStripAccessible::TabStripAccessible(QTabBar* strip) : QAccessibleWidget(strip, QAccessible::PageTabList) {}

TabStripAccessible::~TabStripAccessible()
{
    for (QAccessible::Id id : tabs_)
        QAccessible::deleteAccessibleInterface(id);
}

QTabBar* TabStripAccessible::strip() const { return static_cast<QTabBar*>(widget()); }

QAccessible::State TabStripAccessible::state() const
{
    // The focus is the shown page's tab.
    QAccessible::State state = QAccessibleWidget::state();
    state.focused = false;
    return state;
}

int TabStripAccessible::childCount() const { return strip()->count(); }

QAccessibleInterface* TabStripAccessible::child(int index) const
{
    if (index < 0 || index >= strip()->count()) return nullptr;
    while (static_cast<int>(tabs_.size()) <= index)
        tabs_.push_back(
            QAccessible::registerAccessibleInterface(new TabAccessible(strip(), static_cast<int>(tabs_.size()))));
    return QAccessible::accessibleInterface(tabs_[index]);
}

int TabStripAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    for (int i = 0; i < static_cast<int>(tabs_.size()); ++i)
        if (QAccessible::accessibleInterface(tabs_[i]) == child) return i;
    return -1;
}

QAccessibleInterface* TabStripAccessible::childAt(int x, int y) const
{
    const int index = strip()->tabAt(strip()->mapFromGlobal(QPoint(x, y)));
    return index >= 0 ? child(index) : nullptr;
}

QAccessibleInterface* TabStripAccessible::focusChild() const
{
    return strip()->hasFocus() ? child(strip()->currentIndex()) : nullptr;
}

}  // namespace platomer
