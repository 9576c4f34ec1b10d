#pragma once

#include "okno_podpisane.h"

class QLabel;

// The read-out window: the bar coordinate under the pointer.
class _WSP_ : public OknoPodpisane {
public:
    explicit _WSP_(QWidget* okno);

    // The text of the read-out.
    void tekst(const QString& zz);
    QString tekst() const;
    // How many digits the read-out shows whole.
    int miesci_znakow() const;

private:
    QLabel* xx;
    QLabel* st = nullptr; // a second text, never created
};
