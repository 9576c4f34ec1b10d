#pragma once

#include "zmiana.h"

#include <QUndoCommand>

#include <functional>

// One edit of the held model on the undo stack: done and undone on the
// model, each time followed by `po` (the analysis and the refresh).
class KrokEdycji : public QUndoCommand {
public:
    KrokEdycji(Zmiana zmiana, std::function<void()> po) : zmiana_(std::move(zmiana)), po_(std::move(po)) {}

    void redo() override
    {
        zmiana_.wykonaj();
        po_();
    }
    void undo() override
    {
        zmiana_.cofnij();
        po_();
    }

private:
    Zmiana zmiana_;
    std::function<void()> po_;
};
