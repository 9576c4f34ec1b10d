#pragma once

#include "rozmowa.h"

class QWidget;

// The seam as the user sees it: message boxes, the template dialogs and the
// file dialogs, all modal, owned by the window the user was working in (the
// main view's frame or a table window).
class RozmowaQt : public _ROZMOWA_ {
public:
    explicit RozmowaQt(QWidget* okno) : okno_(okno) {}

    using _ROZMOWA_::pytanie;
    bool pytanie(const QString& tekst, const QString& tytul, bool domyslnie_tak) override;
    Odpowiedz pytanie_o_zapis(const QString& tekst, const QString& tytul) override;
    using _ROZMOWA_::komunikat;
    void komunikat(const QString& tekst, const QString& tytul, Ikona ikona, const QString& szczegoly) override;
    bool dialog(d_dane_pods& dane, int wskazane) override;
    bool dialog(d_dane_przek& danep, int wskazane) override;
    bool dialog(d_wsp& danew, int wskazane) override;
    bool dialog(d_wymusz& danewy, int wskazane) override;
    using _ROZMOWA_::dialog;
    bool dialog(d_sily& danes, int wskazane, bool staly_wezel) override;
    bool dialog(d_obc_ciagle& dane, int wskazane) override;
    bool dialog(d_ciezar& dane, int wskazane) override;
    bool dialog(d_sprezyna& dane, int wskazane, bool staly_wezel) override;
    bool dialog(d_podzial& dane, int wskazane) override;
    bool dialog(d_zlaczenie& dane, int wskazane) override;
    bool dialog(d_nowy_element& dane, int wskazane) override;
    bool dialog(d_usuniecie_podpory& dane, int wskazane) override;
    bool dialog(d_podzial_kazdego& dane, int wskazane) override;
    std::optional<QString> wybierz_plik(Wybor wybor, RekordPliku& plik) override;
    void pokaz_pomoc(const QStringList& dokumenty) override;

private:
    QWidget* rodzic() const;

    QWidget* okno_;
};
