#include "plik_wyjsciowy.h"

#include <QSaveFile>


bool zapisz_plik(const QString& sciezka, const std::function<bool(const Ujscie&)>& tresc)
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
