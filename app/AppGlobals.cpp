#include "app/AppGlobals.h"

#include "ui/Ui.h"

QString AppPath;
QString SettingsSection = ProgramName;
QString SettingsFile;
