#pragma once

#include <QLabel>

// The tip beside the pointer with the stress under it: it follows the
// pointer and stays while the pointer rests, as long as the pointer is over
// the bar's window.
class Dymek : public QLabel {
public:
    Dymek();

    // Shows `tekst` with the tip's corner at `miejsce` (global coordinates).
    void pokaz(const QString& tekst, QPoint miejsce);
};
