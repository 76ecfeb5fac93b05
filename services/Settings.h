#pragma once

#include <QString>

// One value of an INI settings file. Section and key match without regard
// to case; an empty or missing value reads as the default.
QString ReadSetting(const QString &section, const QString &key, const QString &file,
                    const QString &defaultValue = QString());
// Atomic: a crash leaves either the old or the new file. False when the file
// could not be written.
bool WriteSetting(const QString &section, const QString &key, const QString &value,
                  const QString &file);
