#pragma once
// The window's icon, drawn in code: a gold coin marked "Kč".

#include <QIcon>

namespace platomer {

QIcon windowIcon();

}  // namespace platomer
