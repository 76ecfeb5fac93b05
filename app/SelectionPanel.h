#pragma once

class Form1;
struct Thumbnail;

// The selection handler: shows the list's current entry in the panel (tag
// listing, EXIF summary, image size, file time and size), colours the file time against
// the EXIF time, and asks for the preview, which comes when it is made.
void ShowSelectedFile(Form1 &form);

// The preview of the entry shown.
void ShowPreview(Form1 &form, const Thumbnail &thumbnail);
// Asks for the preview again at the box's new size.
void RefitPreview(Form1 &form);
// Empties the preview; one still being made is not shown.
void ClearPreview(Form1 &form);

// Freeze mode: lblEXIFTime shows the frozen time, the one the batch rename
// will give every file, or "No EXIF Data" when there is none.
void ShowFrozenTime(Form1 &form);

// Puts the five summary labels back to their captions and empties txtInfo.
void ResetSummary(Form1 &form);
