#pragma once

#include <QString>

// The program's look in force: the size style sheet with its palette, the
// fonts, and the translation file of a language. Start-up applies them; the
// language page switches the sheet and the language at run time.
class Appearance
{
public:
    // The size in force for a System/font_size value: 0 small, 1 middle,
    // 2 large, from its low byte; anything else is the middle size.
    static int sizeIndex(int fontSize);
    // ":/qss/app-small.css", ":/qss/app.css" or ":/qss/app-max.css" for a
    // System/font_size value, by sizeIndex.
    static QString styleSheetResource(int fontSize);
    // The sheet's text, read as UTF-8; empty when it cannot be read.
    static QString readStyleSheet(const QString &path);
    // Replaces the application style sheet by the size sheet and sets the
    // palette from the button colour "#F0F0F0".
    static void applyStyle(int fontSize);
    // Maps the Windows font names of the forms onto installed families.
    static void installFontSubstitutions();

    // "./app/lan/VNX03_<suffix>.qm" for a SystemConfig/SystemLanguage value.
    static QString translationFile(int language);
};
