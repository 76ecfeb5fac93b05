#pragma once

#include <QColor>
#include <QPalette>

// One fixed light and one fixed dark palette, so that what the widgets draw
// does not depend on the desktop the tests run on (Qt 6.4 has no API to ask
// for a colour scheme). Every role is set; disabled text is greyed.
inline QPalette FixedPalette(bool dark)
{
    const auto c = [](const char *name) { return QColor(QLatin1String(name)); };
    QPalette palette = dark ? QPalette(c("#eeeeec"), c("#3a3a3a"), c("#505050"), c("#1c1c1c"), c("#2c2c2c"),
                                       c("#eeeeec"), c("#ffffff"), c("#242424"), c("#303030"))
                            : QPalette(c("#000000"), c("#efefef"), c("#ffffff"), c("#9f9f9f"), c("#b8b8b8"),
                                       c("#000000"), c("#ffffff"), c("#ffffff"), c("#efefef"));
    palette.setColor(QPalette::Highlight, dark ? c("#3584e4") : c("#308cc6"));
    palette.setColor(QPalette::HighlightedText, c("#ffffff"));
    palette.setColor(QPalette::Midlight, dark ? c("#464646") : c("#e3e3e3"));
    palette.setColor(QPalette::AlternateBase, dark ? c("#2a2a2a") : c("#f7f7f7"));
    palette.setColor(QPalette::ToolTipBase, dark ? c("#1c1c1c") : c("#ffffdc"));
    palette.setColor(QPalette::ToolTipText, dark ? c("#eeeeec") : c("#000000"));
    palette.setColor(QPalette::PlaceholderText, dark ? c("#8e8e8c") : c("#808080"));
    palette.setColor(QPalette::Link, dark ? c("#78aeed") : c("#0000ff"));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, dark ? c("#7c7c7a") : c("#a0a0a0"));
    palette.setColor(QPalette::Disabled, QPalette::Button, dark ? c("#333333") : c("#f4f4f4"));
    return palette;
}

inline QPalette LightPalette() { return FixedPalette(false); }
inline QPalette DarkPalette() { return FixedPalette(true); }
