#include "metadata/ExifSummaryView.h"
#include "metadata/ExifTimes.h"
#include "metadata/clsEXIF.h"

#include <cstdlib>

namespace {

class NullView : public ExifSummaryView
{
public:
    void setLabelCaption(const QString &, int, const QString &) override {}
    int freezeValue() const override { return 0; }
};

}

// Each input is read as the content of a photo, in memory: the JPEG walk, the
// directory walk, every value text, the summary, and the fast EXIF time,
// which must equal what ListEXIF2 leaves.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView file(data, qsizetype(size));
    clsEXIF reader;
    reader.setImageBytes(file);
    (void)reader.ListInfo();
    QString text;
    (void)reader.MetaInfo(33437, text);
    NullView view;
    reader.ListEXIF(view, 0);
    CurrentExifTime.clear();
    reader.ListEXIF2();
    if (clsEXIF::ExifTimeOfBytes(file) != CurrentExifTime)
        std::abort();
    return 0;
}
