#pragma once

#include <QString>

// The window needs a display. Without one Qt aborts, advising to reinstall;
// ZENTA says in Polish what is missing and ends with this status.
inline constexpr int kod_bez_ekranu = 3;

// Before QApplication is made: the message when no display is named (no
// DISPLAY, no WAYLAND_DISPLAY and no platform chosen in QT_QPA_PLATFORM);
// empty otherwise.
QString brak_ekranu();

// Around QApplication's construction: a display named but out of reach (Qt's
// fatal failure of its platform) ends the same way. Qt's own lines before it
// still go to standard error.
void pilnuj_ekranu();
void przestan_pilnowac_ekranu();
