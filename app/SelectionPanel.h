#pragma once

class Form1;

// The selection handler: shows the list's current entry in the panel
// (preview, pixel size, tag listing, EXIF summary, file time and size) and
// colours the file time against the EXIF time.
void ShowSelectedFile(Form1 &form);

// Freeze mode: lblEXIFTime shows the frozen time, the one the batch rename
// will give every file, or "No EXIF Data" when there is none.
void ShowFrozenTime(Form1 &form);

// Puts the five summary labels back to their captions and empties txtInfo.
void ResetSummary(Form1 &form);
