#include "app/AppGlobals.h"

QString AppPath;
QString ExeName;
QString SettingsSection = QStringLiteral("Fotlex");
QString SettingsFile;
