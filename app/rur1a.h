#pragma once

#include <QString>

class _RAMKA_;

// The frame window, made once at start-up.
extern _RAMKA_* fw;

// The application: makes the main view and its frame, runs until the frame is closed.
class _RUR1A_ {
public:
    char _tytul_[20] = {};
    // A model named on the command line, opened once the frame is shown.
    QString plik_startowy;

    // Creates the view and the frame (maximized, 640 x 400 when restored).
    void InitMainWindow();
    // InitMainWindow, then the message loop; its exit status.
    int Run();
};
