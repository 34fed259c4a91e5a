#include "ui/widgets/MaskeditCis.h"

namespace platomer {

TMaskeditCis::TMaskeditCis(QWidget* parent) : QLineEdit(parent)
{
    // The number is drawn from the left edge; the blanks the model puts in front of it push it
    // towards the right edge.
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

}  // namespace platomer
