#pragma once

#include <QLabel>

// A label that reports a left click, for the refresh symbol and the preview.
class ClickLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};
