// What each action of a user costs: a keystroke in the gross field, a tick of a credit box, a
// change of page, a change of year, a net-to-gross search and a recalculation of the garnishment,
// in the window (offscreen, through real mouse and key events, with the paint that follows them),
// on the bare model, and in the window while an accessibility client listens. The replay tool's two
// surfaces take the same actions, so the three columns measure the same thing. Run it with
// --benchmark_repetitions=N for the medians.
#include <QApplication>
#include <QTest>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>

#include "tools/replay/ModelSurface.h"
#include "tools/replay/Offscreen.h"
#include "tools/replay/WindowSurface.h"
#include "ui/MainWindow.h"
#include "ui/accessibility/AssistiveClient.h"

namespace platomer {

namespace {

enum class Mode : std::int64_t { Model, Window, Listening };

// The program as a user starts it, in one of the three modes; whatever it prints goes nowhere.
class Session {
public:
    explicit Session(Mode mode) : listening_(mode == Mode::Listening)
    {
        setAssistiveClientListening(listening_);
        if (mode == Mode::Model) {
            form_ = std::make_unique<TKalkulajda>(platform_);
            auto model = std::make_unique<ModelSurface>(*form_);
            model->start();
            surface_ = std::move(model);
            return;
        }
        window_ = std::make_unique<MainWindow>(platform_);
        window_->show();
        static_cast<void>(QTest::qWaitForWindowActive(window_->window()));
        QCoreApplication::processEvents();
        surface_ = windowSurface(window_->form(), window_->binding());
    }
    ~Session()
    {
        surface_.reset();
        window_.reset();
        setAssistiveClientListening(false);
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    Surface& operator*() const { return *surface_; }
    Surface* operator->() const { return surface_.get(); }

    // The year through the heading's menu of the page shown, as a user chooses it.
    void chooseYear(int rok) const
    {
        surface_->click(surface_->onHiddenPage("LabelRok") ? "Label17" : "LabelRok");
        surface_->chooseMenu(std::to_string(rok));
    }

private:
    std::ostringstream printed_;
    WindowPlatform platform_{printed_, ','};
    bool listening_;
    std::unique_ptr<TKalkulajda> form_;
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<Surface> surface_;
};

Mode modeOf(const benchmark::State& state) { return static_cast<Mode>(state.range(0)); }

// Types an amount into a field, which the mouse puts the focus in.
void enter(const Session& s, const char* field, std::u32string_view digits)
{
    s->click(field);
    for (char32_t digit : digits)
        s->type(digit);
}

// A digit typed into the focused field and deleted again, by turns.
void typeAndDelete(benchmark::State& state, const Session& s, char32_t digit)
{
    bool typed = false;
    for ([[maybe_unused]] auto _ : state) {
        if (typed)
            s->press(Key::Backspace);
        else
            s->type(digit);
        typed = !typed;
    }
}

// A digit typed into the gross field and deleted again: the field takes it, the page is computed
// when the field is left.
void Keystroke(benchmark::State& state)
{
    Session s(modeOf(state));
    enter(s, "EdHruba", U"4500");
    typeAndDelete(state, s, U'7');
}

// The box of partial disability ticked and unticked by the mouse, each a recalculation; the first
// click leaves the gross field, which computes it.
void Tick(benchmark::State& state)
{
    Session s(modeOf(state));
    enter(s, "EdHruba", U"45000");
    for ([[maybe_unused]] auto _ : state)
        s->click("CHckBNezdI");
}

void PageChange(benchmark::State& state)
{
    Session s(modeOf(state));
    for ([[maybe_unused]] auto _ : state)
        s->press(Key::CtrlTab);
}

// 2023 and 2026 by turns, each recalculating both pages.
void YearChange(benchmark::State& state)
{
    Session s(modeOf(state));
    bool later = false;
    for ([[maybe_unused]] auto _ : state) {
        later = !later;
        s.chooseYear(later ? 2026 : 2023);
    }
}

// The wanted net typed, and the field left by Enter: the search finds the gross. Only the leaving
// is timed.
void Search(benchmark::State& state)
{
    Session s(modeOf(state));
    s->click("ChckBxHrzCis");
    bool other = false;
    for ([[maybe_unused]] auto _ : state) {
        state.PauseTiming();
        enter(s, "EdCista", other ? U"31234" : U"30000");
        other = !other;
        state.ResumeTiming();
        s->press(Key::Enter);
    }
}

// A digit typed into the garnishment's net and deleted again: each change computes the page.
void Garnishment(benchmark::State& state)
{
    Session s(modeOf(state));
    s->clickPage(1);
    enter(s, "EdExekCm", U"35000");
    typeAndDelete(state, s, U'1');
}

void modes(benchmark::internal::Benchmark* b)
{
    b->ArgName("mode")->Arg(static_cast<std::int64_t>(Mode::Model));
    b->Arg(static_cast<std::int64_t>(Mode::Window))->Arg(static_cast<std::int64_t>(Mode::Listening));
    b->Unit(benchmark::kMicrosecond);
}

BENCHMARK(Keystroke)->Apply(modes);
BENCHMARK(Tick)->Apply(modes);
BENCHMARK(PageChange)->Apply(modes);
BENCHMARK(YearChange)->Apply(modes);
BENCHMARK(Search)->Apply(modes);
BENCHMARK(Garnishment)->Apply(modes);

}  // namespace

}  // namespace platomer

int main(int argc, char** argv)
{
    platomer::useOffscreen("platomer-bench");
    // The offscreen platform cannot raise or grab for the year's popup menu; it says so each time.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type != QtWarningMsg || !message.startsWith("This plugin does not support"))
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
