#pragma once

#include <QPixmap>

// The status bar's pictures, drawn by us.
QPixmap SecureImage();   // a closed padlock, 16 x 16
QPixmap UnSecureImage(); // an open padlock, 16 x 16
QPixmap StopperImage();  // the pop-up filter sign, 20 x 16
