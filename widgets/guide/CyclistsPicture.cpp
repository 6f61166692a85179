#include "widgets/guide/CyclistsPicture.h"

namespace rdo {

QIcon cyclistsPicture() {
    // Rendered from assets/cyclistes.svg by tools/pictures; the icon picks the one for the
    // screen's scale, so the picture stays sharp at 1.5 and 2 times.
    QIcon picture;
    for (const int percent : {100, 150, 200}) {
        picture.addFile(QStringLiteral(":/assets/cyclistes-%1.png").arg(percent),
                        kCyclistsPictureSize * percent / 100);
    }
    return picture;
}

}  // namespace rdo
