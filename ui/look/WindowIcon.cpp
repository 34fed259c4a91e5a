#include "ui/look/WindowIcon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <utility>

namespace platomer {

namespace {

// Renders the picture afresh for every size, so the icon stays sharp on any screen scale and in
// every place the desktop shows it (title bar, task switcher, panel).
class SvgIconEngine : public QIconEngine {
public:
    explicit SvgIconEngine(QString file) : file_(std::move(file)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode /*mode*/, QIcon::State /*state*/) override
    {
        QSvgRenderer renderer(file_);
        renderer.render(painter, rect);
    }

    // The base class would paint on an uninitialised pixmap; the icon needs a clear background.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, pixmap.rect(), mode, state);
        return pixmap;
    }

    QIconEngine* clone() const override { return new SvgIconEngine(file_); }

private:
    QString file_;
};

}  // namespace

QIcon windowIcon() { return QIcon(new SvgIconEngine(QStringLiteral(":/icons/platomer.svg"))); }

}  // namespace platomer
