#pragma once
// The amount field as a widget. Its key filter, padding and the click that empties it are the
// model's; the widget shows the text, the caret and the selection the model holds.

#include <QLineEdit>

namespace platomer {

class TMaskeditCis : public QLineEdit {
    Q_OBJECT
public:
    explicit TMaskeditCis(QWidget* parent = nullptr);
};

}  // namespace platomer
