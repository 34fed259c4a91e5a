#pragma once
// What a screen reader hears while the model works. One user action writes a control many times
// (an amount is padded to the width of its field one blank at a time, a tick box may be ticked
// and unticked again, the focus may pass through several controls), and every write would be
// announced with the padded text. While an action runs, the window's entries, panels and tick
// boxes, its focus and its tab strip are silent; when it ends, each control that changed is
// announced once, as a screen reader reads it: the new text without padding, the caret and the
// selection in offsets of that text, the tick as a change of state, the page shown, and last the
// control that then holds the focus, so that its name is the last thing said.

#include <QObject>
#include <QPointer>
#include <QString>
#include <unordered_map>
#include <vector>

class QAccessibleEvent;
class QTabBar;
class QWidget;

namespace platomer {
struct BuiltWindow;

class Announcements : public QObject {
    Q_OBJECT
public:
    // Belongs to the window: made once the widgets are, for its entries, panels and tick boxes.
    explicit Announcements(const BuiltWindow& built);
    ~Announcements() override;

    // Those of the window that holds the object, or nullptr.
    static Announcements* of(const QObject* object);

    // A user action begins and ends; actions may nest, the outermost one is announced.
    void hold();
    void release();
    // A write of the model into a panel outside any action is announced at once; within one it
    // waits for the action's end, as everything else does.
    void changed(QWidget& widget);

signals:
    // At the start of the first action that somebody hears after nobody did (or at all): what
    // follows the figures notes how they stand, so that their end tells what the action changed.
    void listeningBegins();
    // At the end of every action that somebody hears, before anything is announced: what follows
    // the figures (their descriptions) brings itself up to date.
    void actionEnding();

private:
    // What a screen reader last heard of a control.
    struct Heard {
        QString text;
        int caret = 0;
        int selectionStart = 0;
        int selectionEnd = 0;
        bool checked = false;
    };

    static void filter(QAccessibleEvent* event);
    bool silences(const QAccessibleEvent& event);
    Heard now(QWidget& control) const;
    void remember();
    void announce(QWidget& control, const Heard& before, const Heard& after) const;
    void announceFocus() const;

    std::vector<QWidget*> controls_;
    QTabBar* strip_;
    QWidget* window_;
    std::unordered_map<const QWidget*, Heard> heard_;
    int depth_ = 0;
    // Whether the outermost action that runs (or ran last) is told: somebody listened when it began.
    bool telling_ = false;
    int page_ = 0;
    QPointer<QWidget> focus_;
    // The focus went to another window (a message box) during the action and came back.
    bool focusLeft_ = false;
};

// Holds the announcements of the window for one user action; tells what changed when it goes.
class HeldAnnouncements {
public:
    explicit HeldAnnouncements(const QWidget* window);
    ~HeldAnnouncements();
    HeldAnnouncements(const HeldAnnouncements&) = delete;
    HeldAnnouncements& operator=(const HeldAnnouncements&) = delete;

private:
    QPointer<Announcements> announcements_;
};

}  // namespace platomer
