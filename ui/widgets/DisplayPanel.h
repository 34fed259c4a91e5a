#pragma once
// A bevelled read-only panel whose text is drawn right-aligned; a text too long for the panel is
// cut at the left. text() returns exactly the text last set.

#include <QString>

#include "ui/widgets/BevelFrame.h"

namespace platomer {

class DisplayPanel : public BevelFrame {
    Q_OBJECT
public:
    explicit DisplayPanel(QWidget* parent = nullptr);
    void setText(const QString& text);
    QString text() const { return text_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
};

}  // namespace platomer
