#pragma once

#include <QPixmap>

namespace voltaro {

// The pictures of ImageList3 shown in Image2: 1 diode, 2 continuity; any other number is none.
QPixmap FunctionPicture(int number, QSize size);

// The program's logo (Image1 and the window icon).
QPixmap LogoPicture(QSize size);

}  // namespace voltaro
