#pragma once

#include <QWidget>

// A one-line label that never cuts its text off: where its room is too
// small the text ends in "…", and the whole of it shows as the tooltip.
// Plain text only: names and camera models come from files.
class ElidedLabel : public QWidget
{
    Q_OBJECT

public:
    explicit ElidedLabel(QWidget *parent = nullptr);

    const QString &text() const { return text_; }
    void setText(const QString &text);
    void setAlignment(Qt::Alignment alignment);
    // Shown with "…" for lack of room.
    bool isElided() const;

    // The whole text; at least room for "…".
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QString shown() const;
    void textChanged();

    QString text_;
    Qt::Alignment alignment_ = Qt::AlignLeft | Qt::AlignVCenter;
};
