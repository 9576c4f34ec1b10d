#pragma once

#include "model.h"
#include "przebudowa.h"

#include <QUndoCommand>

#include <functional>

// One change of the held bar's structure on the undo stack, kept as its
// parameters: done and undone on the model it was made for, each time
// followed by `po`. On another model, or where the change cannot be made
// (memory), `odmowa` is told which, and the step leaves the stack.
class KrokPrzebudowy : public QUndoCommand {
public:
    enum class Odmowa { inny_model, brak_pamieci };

    KrokPrzebudowy(Przeksztalcenie przebudowa, int pokolenie, std::function<void()> po,
                   std::function<void(Odmowa)> odmowa)
        : przebudowa_(przebudowa), pokolenie_(pokolenie), po_(std::move(po)), odmowa_(std::move(odmowa))
    {}

    void redo() override
    {
        zrob([this] { return wykonaj(przebudowa_); });
    }
    void undo() override
    {
        zrob([this] { return cofnij(przebudowa_); });
    }

private:
    template <typename Dzialanie>
    void zrob(Dzialanie zmiana)
    {
        if (Pusty || pokolenie_ != pokolenie_modelu)
            return odrzuc(Odmowa::inny_model);
        if (!zmiana())
            return odrzuc(Odmowa::brak_pamieci);
        po_();
    }

    void odrzuc(Odmowa powod)
    {
        setObsolete(true);
        odmowa_(powod);
    }

    Przeksztalcenie przebudowa_;
    int pokolenie_;
    std::function<void()> po_;
    std::function<void(Odmowa)> odmowa_;
};
