#include "ui/accessibility/Announcements.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>

#include "ui/accessibility/AssistiveClient.h"
#include "ui/widgets/DisplayPanel.h"
#include "ui/widgets/WidgetFactory.h"

namespace platomer {

namespace {

// The handler that was in place before ours (none: the toolkit's own bridges), and the windows
// whose announcements pass through ours.
QAccessible::UpdateHandler passOn = nullptr;
std::vector<Announcements*> windows;

bool isText(QAccessible::Event type)
{
    switch (type) {
    case QAccessible::TextInserted:
    case QAccessible::TextRemoved:
    case QAccessible::TextUpdated:
    case QAccessible::TextCaretMoved:
    case QAccessible::TextSelectionChanged:
    case QAccessible::ValueChanged: return true;
    default: return false;
    }
}

bool isTick(const QAccessibleEvent& event)
{
    return event.type() == QAccessible::StateChanged &&
           static_cast<const QAccessibleStateChangeEvent&>(event).changedStates().checked;
}

// Whether an object is a widget of the window.
bool inWindow(const QObject* object, const QWidget* window)
{
    return object && object->isWidgetType() && static_cast<const QWidget*>(object)->window() == window;
}

void send(QAccessibleEvent& event) { QAccessible::updateAccessibility(&event); }

// How many characters two texts share at their start, and then at their end after that.
std::pair<qsizetype, qsizetype> shared(const QString& before, const QString& after)
{
    const qsizetype most = std::min(before.size(), after.size());
    qsizetype start = 0;
    while (start < most && before.at(start) == after.at(start))
        ++start;
    qsizetype end = 0;
    while (end < most - start && before.at(before.size() - 1 - end) == after.at(after.size() - 1 - end))
        ++end;
    return {start, end};
}

}  // namespace

Announcements::Announcements(const BuiltWindow& built)
    : QObject(built.window), strip_(built.tabs->tabBar()), window_(built.window)
{
    for (const auto& [name, widget] : built.widgets) {
        const bool reads =
            qobject_cast<QLineEdit*>(widget) || qobject_cast<DisplayPanel*>(widget) || qobject_cast<QCheckBox*>(widget);
        if (reads) controls_.push_back(widget);
    }
    static const bool installed = [] {
        passOn = QAccessible::installUpdateHandler(&Announcements::filter);
        return true;
    }();
    static_cast<void>(installed);
    windows.push_back(this);
    remember();
}

Announcements::~Announcements() { windows.erase(std::find(windows.begin(), windows.end(), this)); }

Announcements* Announcements::of(const QObject* object)
{
    for (Announcements* announcements : windows)
        if (inWindow(object, announcements->window_)) return announcements;
    return nullptr;
}

void Announcements::filter(QAccessibleEvent* event)
{
    bool silenced = false;
    for (Announcements* announcements : windows)
        silenced = announcements->silences(*event) || silenced;
    if (silenced) return;
    if (passOn) {
        passOn(event);
        return;
    }
    // On to the screen reader, as if no handler were installed.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(&Announcements::filter);
}

bool Announcements::silences(const QAccessibleEvent& event)
{
    if (depth_ == 0) return false;
    const QObject* object = event.object();
    if (!inWindow(object, window_)) {
        // A message box that opened during the action took the focus; its return is told.
        if (event.type() == QAccessible::Focus) focusLeft_ = true;
        return false;
    }
    if (event.type() == QAccessible::Focus) return true;
    if (object == strip_) return event.type() == QAccessible::Selection;
    const bool control = heard_.count(static_cast<const QWidget*>(object)) != 0;
    return control && (isText(event.type()) || isTick(event));
}

Announcements::Heard Announcements::now(QWidget& control) const
{
    Heard heard;
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&control);
    if (!iface) return heard;
    heard.checked = iface->state().checked;
    if (QAccessibleTextInterface* text = iface->textInterface()) {
        heard.text = text->text(0, text->characterCount());
        heard.caret = text->cursorPosition();
        heard.selectionStart = heard.selectionEnd = heard.caret;
        if (text->selectionCount() > 0) text->selection(0, &heard.selectionStart, &heard.selectionEnd);
    }
    return heard;
}

void Announcements::remember()
{
    for (QWidget* control : controls_)
        heard_[control] = now(*control);
    page_ = strip_->currentIndex();
    focus_ = QApplication::focusWidget();
}

void Announcements::hold()
{
    if (depth_++ > 0) return;
    // Nobody listening hears nothing: what the controls said before is not even read.
    const bool toldBefore = telling_;
    telling_ = assistiveClientListening();
    if (!telling_) return;
    if (!toldBefore) emit listeningBegins();
    remember();
    focusLeft_ = false;
}

void Announcements::release()
{
    if (depth_ == 0 || --depth_ > 0) return;
    if (!telling_) return;
    emit actionEnding();
    for (QWidget* control : controls_) {
        const Heard after = now(*control);
        announce(*control, heard_[control], after);
        heard_[control] = after;
    }
    if (strip_->currentIndex() != page_) {
        QAccessibleEvent page(strip_, QAccessible::Selection);
        page.setChild(strip_->currentIndex());
        send(page);
    }
    announceFocus();
    page_ = strip_->currentIndex();
    focus_ = QApplication::focusWidget();
}

void Announcements::changed(QWidget& widget)
{
    auto it = heard_.find(&widget);
    if (depth_ > 0 || it == heard_.end() || !qobject_cast<DisplayPanel*>(&widget)) return;
    if (!assistiveClientListening()) return;
    const Heard after = now(widget);
    announce(widget, it->second, after);
    it->second = after;
}

void Announcements::announce(QWidget& control, const Heard& before, const Heard& after) const
{
    if (after.checked != before.checked) {
        QAccessible::State tick;
        tick.checked = true;
        QAccessibleStateChangeEvent event(&control, tick);
        send(event);
    }
    const bool entry = qobject_cast<QLineEdit*>(&control) != nullptr;
    if (after.text != before.text) {
        if (entry) {
            // An entry is edited at its caret: a typed digit is told as one digit inserted.
            const auto [start, end] = shared(before.text, after.text);
            QAccessibleTextUpdateEvent event(&control, static_cast<int>(start),
                                             before.text.mid(start, before.text.size() - start - end),
                                             after.text.mid(start, after.text.size() - start - end));
            event.setCursorPosition(after.caret);
            send(event);
        } else {
            // A panel's figure is replaced as a whole.
            QAccessibleTextUpdateEvent event(&control, 0, before.text, after.text);
            send(event);
            QAccessibleValueChangeEvent value(&control, after.text);
            send(value);
        }
    }
    if (!entry) return;
    if (after.caret != before.caret) {
        QAccessibleTextCursorEvent event(&control, after.caret);
        send(event);
    }
    // A caret that moves with nothing selected before or after is no change of selection.
    const bool selected = after.selectionStart != after.selectionEnd || before.selectionStart != before.selectionEnd;
    if (selected && (after.selectionStart != before.selectionStart || after.selectionEnd != before.selectionEnd)) {
        QAccessibleTextSelectionEvent event(&control, after.selectionStart, after.selectionEnd);
        event.setCursorPosition(after.caret);
        send(event);
    }
}

void Announcements::announceFocus() const
{
    QWidget* focused = QApplication::focusWidget();
    if (!inWindow(focused, window_) || !focused->isActiveWindow()) return;
    const bool newPage = focused == strip_ && strip_->currentIndex() != page_;
    if (focused == focus_ && !focusLeft_ && !newPage) return;
    QAccessibleEvent focus(focused, QAccessible::Focus);
    // On the tab strip the focus is on the tab of the page shown.
    if (focused == strip_) focus.setChild(strip_->currentIndex());
    send(focus);
}

HeldAnnouncements::HeldAnnouncements(const QWidget* window) : announcements_(Announcements::of(window))
{
    if (announcements_) announcements_->hold();
}

HeldAnnouncements::~HeldAnnouncements()
{
    if (announcements_) announcements_->release();
}

}  // namespace platomer
