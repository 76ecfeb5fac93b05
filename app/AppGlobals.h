#pragma once

#include <QString>

// Program-wide values, set once at start-up.
// Folder of the executable.
extern QString AppPath;
// "Fotlex": the settings section and the second word of the window title.
extern QString SettingsSection;
// Full path of the settings file.
extern QString SettingsFile;
