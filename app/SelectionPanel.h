#pragma once

class MainWindow;
struct Thumbnail;

// The selection handler: shows the list's current entry in the panel (tag
// listing, EXIF summary, file time and size), colours the file time against
// the EXIF time, and asks for the preview, which comes when it is made.
void ShowSelectedFile(MainWindow &window);

// The preview of the entry shown, and its pixel size in imageSize.
void ShowPreview(MainWindow &window, const Thumbnail &thumbnail);
// Asks for the preview again at the box's new size.
void RefitPreview(MainWindow &window);
// Empties the preview; one still being made is not shown.
void ClearPreview(MainWindow &window);

// Freeze mode: captureTime shows the frozen time, the one the batch rename
// will give every file, or "No EXIF Data" when there is none.
void ShowFrozenTime(MainWindow &window);

// Puts the five summary labels back to their captions and empties tagList.
void ResetSummary(MainWindow &window);
