#define QT_STATICPLUGIN  // the listening bridge is linked in, not loaded
#include "ListeningBridge.h"

#include <QAccessibleBridge>

#include "ui/accessibility/AssistiveClient.h"

namespace platomer {

namespace {

Listening* listening = nullptr;

HeardEvent copied(const QAccessibleEvent& event)
{
    HeardEvent heard;
    heard.type = event.type();
    heard.object = event.object() ? event.object()->objectName().toStdString() : std::string();
    heard.child = event.child();
    switch (event.type()) {
    case QAccessible::TextUpdated: {
        const auto& update = static_cast<const QAccessibleTextUpdateEvent&>(event);
        heard.removed = update.textRemoved();
        heard.inserted = update.textInserted();
        heard.position = update.changePosition();
        break;
    }
    case QAccessible::TextInserted: {
        const auto& insert = static_cast<const QAccessibleTextInsertEvent&>(event);
        heard.inserted = insert.textInserted();
        heard.position = insert.changePosition();
        break;
    }
    case QAccessible::TextRemoved: {
        const auto& remove = static_cast<const QAccessibleTextRemoveEvent&>(event);
        heard.removed = remove.textRemoved();
        heard.position = remove.changePosition();
        break;
    }
    case QAccessible::TextCaretMoved:
        heard.position = static_cast<const QAccessibleTextCursorEvent&>(event).cursorPosition();
        break;
    case QAccessible::TextSelectionChanged: {
        const auto& selection = static_cast<const QAccessibleTextSelectionEvent&>(event);
        heard.position = selection.selectionStart();
        heard.end = selection.selectionEnd();
        break;
    }
    case QAccessible::ValueChanged:
        heard.value = static_cast<const QAccessibleValueChangeEvent&>(event).value().toString();
        break;
    case QAccessible::StateChanged:
        heard.states = static_cast<const QAccessibleStateChangeEvent&>(event).changedStates();
        break;
    default: break;
    }
    return heard;
}

}  // namespace

// The window tells a client only while one listens; offscreen, the toolkit's accessibility is
// never switched on, so this one says so itself.
Listening::Listening()
{
    listening = this;
    setAssistiveClientListening(true);
}

Listening::~Listening()
{
    setAssistiveClientListening(false);
    listening = nullptr;
}

void Listening::record(const QAccessibleEvent& event) { events_.push_back(copied(event)); }

class ListeningBridge : public QAccessibleBridge {
public:
    void setRootObject(QAccessibleInterface*) override {}
    void notifyAccessibilityUpdate(QAccessibleEvent* event) override
    {
        if (!listening) return;
        // Offscreen, accessibility is never switched on, and the toolkit hands each event straight
        // to the bridges, past the update handler that the program installs. With a screen reader
        // on the desktop the handler gets every event of an object first and decides what goes on
        // to the bridges; here it is run as it would be there.
        QAccessible::UpdateHandler handler = QAccessible::installUpdateHandler(nullptr);
        QAccessible::installUpdateHandler(handler);
        if (handler && !QAccessible::isActive() && event->accessibleInterface()) {
            handler(event);
            return;
        }
        listening->record(*event);
    }
};

class ListeningBridgePlugin : public QAccessibleBridgePlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QAccessibleBridgeFactoryInterface_iid FILE "ListeningBridge.json")
public:
    QAccessibleBridge* create(const QString&) override { return new ListeningBridge; }
};

}  // namespace platomer

Q_IMPORT_PLUGIN(ListeningBridgePlugin)

#include "ListeningBridge.moc"
