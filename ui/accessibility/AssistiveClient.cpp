#include "ui/accessibility/AssistiveClient.h"

#include <QAccessible>

namespace platomer {

namespace {

bool clientSaidSo = false;

Describer& describer()
{
    static Describer installed;
    return installed;
}

}  // namespace

bool assistiveClientListening() { return clientSaidSo || QAccessible::isActive(); }

void setAssistiveClientListening(bool listening) { clientSaidSo = listening; }

void setDescriber(Describer d) { describer() = std::move(d); }

std::optional<QString> describe(const QWidget& widget) { return describer() ? describer()(widget) : std::nullopt; }

}  // namespace platomer
