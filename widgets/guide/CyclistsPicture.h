// The picture of the open button: a bunch of racing cyclists.
#pragma once

#include <QIcon>
#include <QSize>

namespace rdo {

/// The picture's size on a screen at 96 dpi.
inline constexpr QSize kCyclistsPictureSize{135, 169};

/// The picture, sharp at 1, 1.5 and 2 times its size.
QIcon cyclistsPicture();

}  // namespace rdo
