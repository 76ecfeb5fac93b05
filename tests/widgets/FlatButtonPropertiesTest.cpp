#include "ButtonTestSupport.h"

#include "widgets/ButtonPropertyBag.h"

namespace {

TEST_F(ButtonForm, NewButtonsTakeOkCancelApplyThenTheirName)
{
    QStringList captions;
    for (int i = 0; i < 4; ++i)
        captions.append((new FlatButton(&form))->Caption());
    EXPECT_EQ(captions, (QStringList{QStringLiteral("&OK"), QStringLiteral("&Cancel"), QStringLiteral("&Apply"),
                                     QStringLiteral("FlatButton4")}));
}

TEST_F(ButtonForm, NewButtonHasDefaultsStoresOnlyTheFontAndKeepsSixPixels)
{
    FlatButton button(&form);
    EXPECT_EQ(button.size(), QSize(77, 34));
    EXPECT_FALSE(button.PaintLock());
    EXPECT_TRUE(button.Enabled());
    EXPECT_TRUE(button.FocusRect());
    EXPECT_EQ(button.ForeColor(), QColor(Qt::black));
    EXPECT_EQ(button.State().CurrentState(), StateNormal);
    EXPECT_DOUBLE_EQ(button.Font().pointSizeF(), 8.25);
    EXPECT_EQ(button.Font().weight(), QFont::Normal);
    EXPECT_FALSE(button.Font().italic());

    ButtonPropertyBag bag;
    button.WriteProperties(bag);
    EXPECT_EQ(bag.Keys(), QStringList{QStringLiteral("font")});

    button.resize(1, 1);
    EXPECT_EQ(button.size(), QSize(6, 6));
    EXPECT_FALSE(button.PaintLock());
}

TEST_F(ButtonForm, StoredPropertiesComeBackInAnotherButton)
{
    FlatButton original(&form);
    original.setCaption(QStringLiteral("&Abbrechen"));
    original.setForeColor(QColor(10, 20, 30));
    original.setFocusRect(false);
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPointSizeF(12);
    font.setItalic(true);
    original.setFont(font);
    original.setEnabled(false);

    ButtonPropertyBag bag;
    original.WriteProperties(bag);
    EXPECT_EQ(bag.Keys(), (QStringList{QStringLiteral("caption"), QStringLiteral("enabled"),
                                       QStringLiteral("forecolor"), QStringLiteral("font"),
                                       QStringLiteral("focusrect")}));
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("ForeColor"), 0u).toUInt(), 0x1E140Au);

    FlatButton copy(bag, &form);
    EXPECT_EQ(copy.Caption(), QStringLiteral("&Abbrechen"));
    EXPECT_EQ(copy.ForeColor(), QColor(10, 20, 30));
    EXPECT_FALSE(copy.FocusRect());
    EXPECT_FALSE(copy.Enabled());
    EXPECT_TRUE(copy.Font().italic());
    EXPECT_DOUBLE_EQ(copy.Font().pointSizeF(), 12);
    EXPECT_FALSE(copy.PaintLock());
    EXPECT_EQ(copy.State().CurrentState(), StateDisabled);
}

TEST_F(ButtonForm, EmptyOrJunkStoredPropertiesGiveTheDefaults)
{
    ButtonPropertyBag empty;
    FlatButton plain(empty, &form);
    EXPECT_EQ(plain.Caption(), QStringLiteral("&OK"));
    EXPECT_TRUE(plain.Enabled());
    EXPECT_EQ(plain.State().CurrentState(), StateNormal);

    ButtonPropertyBag junk;
    junk.WriteProperty(QStringLiteral("Caption"), 42, QString());
    junk.WriteProperty(QStringLiteral("ForeColor"), QStringLiteral("rot"), 0u);
    junk.WriteProperty(QStringLiteral("Font"), QStringLiteral("Arial"), QString());
    junk.WriteProperty(QStringLiteral("FocusRect"), QStringLiteral("ja"), true);
    junk.WriteProperty(QStringLiteral("Enabled"), 7, true);
    FlatButton fromJunk(junk, &form);
    EXPECT_EQ(fromJunk.Caption(), QStringLiteral("&OK"));
    EXPECT_EQ(fromJunk.ForeColor(), QColor(Qt::black));
    EXPECT_DOUBLE_EQ(fromJunk.Font().pointSizeF(), 8.25);
    EXPECT_TRUE(fromJunk.FocusRect());
    EXPECT_TRUE(fromJunk.Enabled());

    ButtonPropertyBag systemColour;
    systemColour.WriteProperty(QStringLiteral("forecolor"), 0x80000012u, 0u);
    EXPECT_EQ(FlatButton(systemColour, &form).ForeColor(), QColor(Qt::black));
}

} // namespace
