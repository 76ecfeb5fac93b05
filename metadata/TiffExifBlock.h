#pragma once

#include "metadata/ExifBlock.h"
#include "metadata/TiffFile.h"

// The EXIF data of a TIFF structure whose directories and values may lie
// anywhere in a large file (TIFF, RAW), or anywhere in a JPEG's EXIF segment
// when only the capture time is wanted: IFD0 and the directories it links
// to (Exif, and GPS for the whole list), and the values their entries point
// to, are read where they lie and assembled into one compact TIFF block with
// the offsets rewritten, which ParseExif walks as it walks a JPEG's block.
// With TimeOnly only the Exif directory and the values of the time entries and Model are read.
ExifBlock AssembleTiffExif(ByteSource &source, const TiffHeader &tiff, ExifWalkScope scope);
// The same with the Exif directory taken from the IFD0 of a second TIFF
// structure: Canon's CR3 keeps the two in separate blocks. IFD0 gets an
// ExifOffset entry when it has none.
ExifBlock AssembleTiffExif(ByteSource &source, const TiffHeader &tiff, const TiffHeader &exif,
                           ExifWalkScope scope);
