#include "metadata/ExifSummaryView.h"
#include "metadata/ExifTimes.h"
#include "metadata/clsEXIF.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

class NullView : public ExifSummaryView
{
public:
    void setLabelCaption(const QString &, int, const QString &) override {}
    int freezeValue() const override { return 0; }
};

}

// Each input is written to a file and read as a photo: the JPEG walk, the
// directory walk, every value text, the summary, and the fast EXIF time,
// which must equal what ListEXIF2 leaves.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // In memory where there is a tmpfs: the fuzzer writes a file per input.
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/fotlex-fuzz-XXXXXX")
                                                                         : QDir::tempPath() + QStringLiteral("/fotlex-fuzz-XXXXXX"));
    static const QString path = dir.path() + QStringLiteral("/input.jpg");
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    clsEXIF reader;
    reader.setImageFile(path);
    (void)reader.ListInfo();
    QString text;
    (void)reader.MetaInfo(33437, text);
    NullView view;
    reader.ListEXIF(view, 0);
    CurrentExifTime.clear();
    reader.ListEXIF2();
    if (clsEXIF::ExifTimeOf(path) != CurrentExifTime)
        std::abort();
    return 0;
}
