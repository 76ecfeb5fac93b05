#pragma once

#include <QString>

#include <ctime>

// Replaces every ":" of the caller's text by "-"; returns the result.
QString ColonsToDashes(QString &text);

enum class FileTimeResult {
    Set,          // access and modification time now hold the moment
    NoFile,       // the file does not exist or cannot be read
    InvalidTime,  // the six fields form no real date and time; nothing changed
    Failed,       // the system refused (no right, read-only medium)
    OutOfRange    // set, but the file system holds another time: outside its range
};

// True when a modification time read back after setting it is the one wanted,
// within the 2 seconds of a FAT file system's steps.
bool ModificationTimeHeld(std::time_t wanted, std::time_t readBack);

// Sets the file's times to the given local date and time, each field a text.
FileTimeResult SetFileTimes(const QString &path, const QString &year, const QString &month,
                            const QString &day, const QString &hour, const QString &minute,
                            const QString &second);
