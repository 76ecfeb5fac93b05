#pragma once

#include <QAbstractButton>

// The program's own push button: a rounded face drawn from the palette, so
// that it reads on a light and on a dark theme, in five looks (see
// FlatButton.cpp). Press, release, Space, the access key (Alt and the letter
// after "&" in the text) and auto-repeat come from QAbstractButton; Enter
// clicks it as it does a push button.
class FlatButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit FlatButton(const QString &text = {}, QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;
};
