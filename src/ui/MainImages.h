#pragma once

#include <QIcon>
#include <QList>
#include <QPixmap>

// The command image list, 47 pictures of 16 x 16, drawn once:
//  0 new window    1 back            2 forward          3 stop          4 refresh
//  5 home          6 search          7 favorites        8 history       9 full screen
// 10 print        11 mail           12 allow pictures  13 pop-up filter
// 14 previous page 15 next page     16 go              17 links
// 18 add to favorites 19 organize favorites 20 program options 22 tray icon
// 24 clear records 28 exit          29 work off-line   30 add link     31 organize links
// 35 restore      36 minimize       37 maximize        38 close window 39 about
// 40 allow sounds 41 Internet options 42 allow videos  43 help        44 comments
// 45 reset search 46 search in history
// 21, 23, 25 to 27 and 32 to 34 are unused and show a neutral dot.
QList<QPixmap> MainImages();

// The icon of one image; a null icon for an index outside the list.
QIcon MainIcon(int index);
