#pragma once
// The window's icon: the launcher's own picture (packaging/platomer.svg), drawn at any size asked.

#include <QIcon>

namespace platomer {

QIcon windowIcon();

}  // namespace platomer
