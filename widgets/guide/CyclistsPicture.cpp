#include "widgets/guide/CyclistsPicture.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <iterator>

namespace rdo {
namespace {

// The picture rendered from assets/cyclistes.svg by tools/drawings, at these scales.
constexpr int kPercents[] = {100, 150, 200};

// Reads only the rendering that the screen's scale asks for, and only when the button is
// first drawn: decoding all three before the window shows would delay it.
class PictureEngine : public QIconEngine {
  public:
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        int percent = kPercents[std::size(kPercents) - 1];
        for (const int candidate : kPercents) {
            if (kCyclistsPictureSize.width() * candidate / 100 >= size.width()) {
                percent = candidate;
                break;
            }
        }
        const QPixmap picture(QStringLiteral(":/assets/cyclistes-%1.png").arg(percent));
        return picture.size() == size
                   ? picture
                   : picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        painter->drawPixmap(
            rect, pixmap(rect.size() * painter->device()->devicePixelRatio(), mode, state));
    }

    QIconEngine* clone() const override { return new PictureEngine; }
};

}  // namespace

QIcon cyclistsPicture() {
    return QIcon(new PictureEngine);
}

}  // namespace rdo
