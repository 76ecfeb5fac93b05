#pragma once

#include "widgets/FlatButton.h"

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

// A shown and active form with buttons on it, as a running dialog has them.
class ButtonForm : public ::testing::Test
{
protected:
    void SetUp() override
    {
        form.resize(400, 200);
        form.setWindowTitle(QStringLiteral("Form"));
    }

    FlatButton *AddButton(const QString &caption, QPoint at)
    {
        auto *button = new FlatButton(&form);
        button->setCaption(caption);
        button->move(at);
        return button;
    }

    void ShowActive()
    {
        form.show();
        ASSERT_TRUE(Activate(form));
    }

    static bool Activate(QWidget &window)
    {
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }

    static QPoint Centre(const QWidget *widget) { return widget->rect().center(); }

    QWidget form;
};

// The button as it appears on screen; with ignoreMask the whole back buffer,
// corners included. Pixels the button does not draw keep the marker colour.
inline QImage RenderButton(FlatButton &button, bool ignoreMask = true)
{
    QImage image(button.size(), QImage::Format_RGB32);
    image.fill(qRgb(1, 2, 3));
    QWidget::RenderFlags flags = QWidget::DrawChildren;
    if (ignoreMask)
        flags |= QWidget::IgnoreMask;
    button.render(&image, QPoint(), QRegion(), flags);
    return image;
}

inline QRgb Pixel(const QImage &image, int x, int y)
{
    return image.pixel(x, y) & 0x00FFFFFFu;
}

inline QRgb Rgb(int r, int g, int b)
{
    return qRgb(r, g, b) & 0x00FFFFFFu;
}
