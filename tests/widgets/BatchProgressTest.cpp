#include "widgets/BatchProgress.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

// What the progress says, driven with the figures a batch reports: files
// alone, then the bytes once copies report them, in the user's locale.
TEST(BatchProgress, SaysFilesAndOnceCopiesReportThemBytes)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const auto delay = std::exchange(ProgressDelayMs, 0);
    const auto step = std::exchange(ProgressStepMs, 0);
    const struct { int done, total; qint64 bytesDone, bytesTotal; QString label; int bar, barEnd; } cases[] = {
        {12, 2000, -1, -1, "12 von 2.000 Dateien erledigt", 12, 2000},
        {3, 10, 1'200'000'000, 2'400'000'000, "3 von 10 Dateien erledigt\n1,2 GB von 2,4 GB", 500, 1000},
        {10, 10, 2'400'000'000, 2'400'000'000, "10 von 10 Dateien erledigt\n2,4 GB von 2,4 GB", 1000, 1000},
        // Beyond an int's range.
        {1, 2, 4'000'000'000, 9'000'000'000, "1 von 2 Dateien erledigt\n4,0 GB von 9,0 GB", 444, 1000},
    };
    for (const auto &c : cases) {
        QWidget owner;
        owner.show();
        BatchProgress progress(owner, "Kopieren", c.total, true);
        EXPECT_TRUE(progress.step(c.done, c.total));
        if (c.bytesTotal >= 0)
            progress.copied(c.bytesDone, c.bytesTotal);
        const auto *dialog = owner.findChild<QProgressDialog *>();
        ASSERT_TRUE(dialog);
        EXPECT_EQ(dialog->labelText(), c.label);
        EXPECT_EQ(dialog->value(), c.bar) << c.label.toStdString();
        EXPECT_EQ(dialog->maximum(), c.barEnd);
        EXPECT_EQ(dialog->windowTitle(), "Kopieren");
    }
    ProgressDelayMs = delay;
    ProgressStepMs = step;
}
