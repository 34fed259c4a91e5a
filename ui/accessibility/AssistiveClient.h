#pragma once
// Whether anyone listens to what the window tells assistive technology. Telling costs: each user
// action would read every control's text back and explain every figure for its description. With
// nobody listening nothing of it is made; a description is made when it is asked for.

#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace platomer {

// A screen reader on the desktop (the toolkit's accessibility is switched on), or a client that
// has said it listens.
bool assistiveClientListening();
// A client that hears the window's events without switching the toolkit's accessibility on (the
// offscreen tests' bridge, the benchmark) says so here, and again when it stops.
void setAssistiveClientListening(bool listening);

// What describes a widget that explains a figure: the explanation as it stands now, or none for a
// widget that explains nothing. A screen reader's request for the description asks it.
using Describer = std::function<std::optional<QString>(const QWidget&)>;
void setDescriber(Describer describer);
std::optional<QString> describe(const QWidget& widget);

}  // namespace platomer
