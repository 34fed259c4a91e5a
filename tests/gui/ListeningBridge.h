#pragma once
// A screen reader's end of the accessibility events: the toolkit hands every event to each bridge
// it finds, and the bridge linked into the GUI tests records them while a test listens.

#include <QAccessible>
#include <QString>
#include <string>
#include <vector>

namespace platomer {

// One event as a bridge receives it, copied: the toolkit's event lives only while it is sent.
struct HeardEvent {
    QAccessible::Event type = QAccessible::InvalidEvent;
    std::string object;  // the object name of its widget
    int child = -1;      // the child it is about (a tab of the tab strip), -1 for the object itself
    QString removed;     // a text update: what went and what came, from `position`
    QString inserted;
    int position = -1;          // a text update's place, a caret's offset, a selection's start
    int end = -1;               // a selection's end
    QString value;              // a value change
    QAccessible::State states;  // which states a state change is about
};

// Records every event while it lives.
class Listening {
public:
    Listening();
    ~Listening();
    Listening(const Listening&) = delete;
    Listening& operator=(const Listening&) = delete;

    const std::vector<HeardEvent>& events() const { return events_; }
    void record(const QAccessibleEvent& event);

private:
    std::vector<HeardEvent> events_;
};

}  // namespace platomer
