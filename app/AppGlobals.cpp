#include "app/AppGlobals.h"

#include "services/Ui.h"

QString AppPath;
QString ExeName;
QString SettingsSection = ProgramName;
QString SettingsFile;
