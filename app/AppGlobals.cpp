#include "app/AppGlobals.h"

#include "ui/Ui.h"

QString AppPath;
QString ExeName;
QString SettingsSection = ProgramName;
QString SettingsFile;
