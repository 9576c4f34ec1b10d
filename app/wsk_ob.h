#pragma once

#include "okno_podpisane.h"

class QProgressBar;

// The progress window shown in the main view while a model is solved.
class _WSK_OB_ : public OknoPodpisane {
public:
    _WSK_OB_(QWidget* rodzic, const QString& tytul);

    // Sets the gauge and paints at once: the solution holds the event loop.
    void ustaw(int wartosc);
    int wartosc() const;

private:
    QProgressBar* sztyw;
};
