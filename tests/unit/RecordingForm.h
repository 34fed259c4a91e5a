#pragma once
// Test doubles for the window: a platform that records what the window asks of the desktop,
// and a form whose events are only recorded, so the event rules can be watched without any
// handler running.

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

#include "model/FormModel.h"
#include "model/Kalkulajda.h"
#include "model/Platform.h"
#include "model/UserActions.h"

namespace platomer {

namespace foundation_test {

// Keeps what the window asked of the desktop in lists, for the tests to look at.
class CollectingPlatform : public Platform {
public:
    void message(const std::string& caption, const std::string& text, bool error) override
    {
        messages.push_back({caption, text});
        errors.push_back(error);
    }
    void beep() override { ++beeps; }
    void openAddress(const std::string& address) override { opened.push_back(address); }
    char decimalSeparator() const override { return ','; }

    std::vector<std::pair<std::string, std::string>> messages;
    std::vector<bool> errors;
    int beeps = 0;
    std::vector<std::string> opened;
};

// One raised event, as "Click ChckBxDeti2", "Change EdHruba" or "Exit EdCista".
inline std::string describe(const Control& sender, Event event)
{
    const char* kind = event == Event::Click ? "Click " : event == Event::Change ? "Change " : "Exit ";
    return kind + sender.name();
}

// Built before the form that refers to it.
struct PlatformHolder {
    CollectingPlatform recorder;
};

// The window's controls and rules with no handler bound: every event is only written down.
class RecordingForm : private PlatformHolder, public FormModel {
public:
    RecordingForm() : FormModel(recorder) {}
    std::vector<std::string> events;

protected:
    void raise(Control& sender, Event event) override { events.push_back(describe(sender, event)); }
};

// The real window with its handlers, every event also written down before its handler runs.
class RecordingKalkulajda : public TKalkulajda {
public:
    explicit RecordingKalkulajda(Platform& platform) : TKalkulajda(platform) {}
    using TKalkulajda::NastavParametry;
    std::vector<std::string> events;

    void raise(Control& sender, Event event) override
    {
        events.push_back(describe(sender, event));
        TKalkulajda::raise(sender, event);
    }
};

// The window after its activation, with the events of the activation forgotten.
class ActivatedWindow : public testing::Test {
protected:
    void SetUp() override
    {
        user.activate();
        form.events.clear();
    }
    Control& c(const char* name) { return form.control(name); }

    CollectingPlatform platform;
    RecordingKalkulajda form{platform};
    UserActions user{form};
};

}  // namespace foundation_test

}  // namespace platomer
