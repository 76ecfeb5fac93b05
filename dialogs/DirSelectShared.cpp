#include "dialogs/DirSelectShared.h"

qint16 DirSelectBusy = 0;
QString DirSelectCaption;
QString DirSelectPath;
