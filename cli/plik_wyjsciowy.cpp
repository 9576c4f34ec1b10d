#include "plik_wyjsciowy.h"

#include <QSaveFile>

#include <cstdio>
#include <cstdlib>

bool zapisz_plik(const QString& sciezka, const std::function<bool(const Pisz&)>& tresc)
{
    QSaveFile plik(sciezka);
    if (!plik.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const bool zapisano = tresc([&plik](const void* dane, std::size_t bajty) {
        return plik.write(static_cast<const char*>(dane), qint64(bajty)) == qint64(bajty);
    });
    if (!zapisano) {
        plik.cancelWriting();
        return false;
    }
    return plik.commit();
}

bool zapisz_plik_z_wydruku(const QString& sciezka, const std::function<bool(std::FILE*)>& wydruk)
{
    char* bufor = nullptr;
    std::size_t dlugosc = 0;
    std::FILE* pamiec = open_memstream(&bufor, &dlugosc);
    if (!pamiec)
        return false;
    const bool wydrukowano = wydruk(pamiec);
    const bool zamknieto = std::fclose(pamiec) == 0;
    const bool zapisano = wydrukowano && zamknieto &&
                          zapisz_plik(sciezka, [&](const Pisz& pisz) { return pisz(bufor, dlugosc); });
    std::free(bufor);
    return zapisano;
}
