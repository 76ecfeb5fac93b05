#include "metadata/ExifTimes.h"

QString FrozenExifTime;
QString CurrentExifTime;
