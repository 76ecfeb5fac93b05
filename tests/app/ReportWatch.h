#pragma once

#include "dialogs/BatchReportDialog.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTimer>

// Notes what the batch report showed, if one came, and closes it.
struct ReportWatch
{
    QString summary;
    QString folder;
    QStringList lines;
    QTimer timer;

    ReportWatch()
    {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (auto *report = qobject_cast<BatchReportDialog *>(QApplication::activeModalWidget())) {
                summary = report->Summary();
                folder = report->findChild<QLabel *>("folder")->text();
                lines = report->findChild<QPlainTextEdit *>()->toPlainText().split(u'\n', Qt::SkipEmptyParts);
                report->accept();
            }
        });
        timer.start(10);
    }
};
