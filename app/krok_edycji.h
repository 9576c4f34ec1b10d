#pragma once

#include "zmiana.h"

#include <QUndoCommand>

#include <functional>

// One edit of the held model on the undo stack: done and undone on the
// model, each time followed by `po` (the analysis and the refresh). An edit
// that does not fit the model held is not made: `odmowa` says so, and the
// step leaves the stack.
class KrokEdycji : public QUndoCommand {
public:
    KrokEdycji(Zmiana zmiana, std::function<void()> po, std::function<void()> odmowa)
        : zmiana_(std::move(zmiana)), po_(std::move(po)), odmowa_(std::move(odmowa))
    {
    }

    void redo() override { po_zmianie(zmiana_.wykonaj()); }
    void undo() override { po_zmianie(zmiana_.cofnij()); }

private:
    void po_zmianie(bool zrobiona)
    {
        if (zrobiona) {
            po_();
            return;
        }
        setObsolete(true);
        odmowa_();
    }

    Zmiana zmiana_;
    std::function<void()> po_, odmowa_;
};
