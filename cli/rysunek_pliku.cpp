#include "rysunek_pliku.h"

#include "argumenty.h"
#include "kolory.h"
#include "obraz_pliku.h"
#include "rysunek.h"

bool zapisz_obraz(const QString& sciezka, const Rysunek& rysunek, QSize rozmiar, std::string& powod)
{
    return zapisz_obraz(bajty_nazwy(sciezka), rysunek, rozmiar.width(), rozmiar.height(), powod);
}

bool zapisz_rysunek(const QString& sciezka, QSize rozmiar, bool napr, std::string& powod)
{
    TablicaKolorow knapr{};
    Pasek_kol(knapr);
    return zapisz_obraz(sciezka,
                        rysuj(UstawieniaWidoku{napr, 1, &knapr}, rozmiar.width(), rozmiar.height()).rysunek,
                        rozmiar, powod);
}

std::optional<QSize> czytaj_rozmiar(const QString& tekst)
{
    const QStringList boki = tekst.split('x');
    if (boki.size() != 2)
        return std::nullopt;
    bool ok_w = false, ok_h = false;
    const int w = boki[0].toInt(&ok_w), h = boki[1].toInt(&ok_h);
    if (!ok_w || !ok_h || w <= 150 || h <= 150 || w > 20000 || h > 20000)
        return std::nullopt;
    return QSize(w, h);
}
