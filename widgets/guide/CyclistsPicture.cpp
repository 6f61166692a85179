#include "widgets/guide/CyclistsPicture.h"

#include <QIconEngine>
#include <QPainter>
#include <QSvgRenderer>

namespace rdo {
namespace {

// Draws the vector picture at whatever pixel size the button asks for, so it
// stays sharp on scaled screens.
class SvgEngine : public QIconEngine {
  public:
    explicit SvgEngine(const QString& file) : file_(file), renderer_(file) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        renderer_.render(painter, rect);
    }

    QIconEngine* clone() const override { return new SvgEngine(file_); }

    bool isNull() override { return !renderer_.isValid(); }

  private:
    QString file_;
    QSvgRenderer renderer_;
};

}  // namespace

QIcon cyclistsPicture() {
    return QIcon(new SvgEngine(QStringLiteral(":/assets/cyclistes.svg")));
}

}  // namespace rdo
