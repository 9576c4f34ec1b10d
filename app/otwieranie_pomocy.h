#pragma once

#include <QStringList>

class QWidget;

// "&Pomoc" never ends in silence. Each document (a name relative to the
// working directory) goes in turn to the desktop's opener, xdg-open, with the
// user's own environment; the next one when it cannot be opened. When none
// can, the manual (the last HTML document) opens in ZENTA's own help window
// over `okno`; without one, a message says so.
void otworz_pomoc(QWidget* okno, const QStringList& dokumenty);
