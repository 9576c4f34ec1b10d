#include "obraz_pliku.h"

#include "gracz.h"
#include "koncowka_nazwy.h"
#include "plik_do_zapisu.h"
#include "svg.h"

#include <QBuffer>
#include <QImage>

bool zapisz_obraz(const std::string& sciezka, const Rysunek& rysunek, int szerokosc, int wysokosc,
                  std::string& powod)
{
    if (konczy_sie_na(sciezka, ".png")) {
        QImage obraz(szerokosc, wysokosc, QImage::Format_RGB32);
        obraz.fill(Qt::white);
        odtworz(rysunek, obraz);
        QByteArray bajty;
        QBuffer bufor(&bajty);
        if (!bufor.open(QIODevice::WriteOnly) || !obraz.save(&bufor, "PNG")) {
            powod = "nie udało się zakodować PNG";
            return false;
        }
        return zapisz_bezpiecznie(
            sciezka, [&bajty](const Ujscie& ujscie) { return ujscie(bajty.constData(), std::size_t(bajty.size())); },
            &powod);
    }
    return zapisz_bezpiecznie(
        sciezka,
        [&](const Ujscie& ujscie) {
            Strumien s(ujscie);
            OpcjeSvg opcje;
            opcje.miara = zmierz_tekst;
            zapisz_svg(rysunek, szerokosc, wysokosc, s, opcje);
            return s.zakoncz();
        },
        &powod);
}
