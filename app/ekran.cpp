#include "ekran.h"

#include <QByteArray>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace {

const char* const rada = "Uruchom ZENTA w sesji graficznej; obliczenia bez okna wykonuje zenta-oblicz.\n";

QtMessageHandler poprzedni = nullptr;

// Where Qt looked for a display, for the message.
QString opis_ekranu()
{
    QStringList opis;
    for (const char* zmienna : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DISPLAY"})
        if (!qEnvironmentVariableIsEmpty(zmienna))
            opis << QString(zmienna) + "=" + qEnvironmentVariable(zmienna);
    return opis.join(", ");
}

void przy_starcie(QtMsgType rodzaj, const QMessageLogContext& kontekst, const QString& tekst)
{
    if (rodzaj != QtFatalMsg) {
        poprzedni(rodzaj, kontekst, tekst);
        return;
    }
    const QByteArray komunikat =
        ("zenta: nie można otworzyć okna: brak połączenia z ekranem (" + opis_ekranu() + ").\n" + rada).toUtf8();
    std::fputs(komunikat.constData(), stderr);
    std::_Exit(kod_bez_ekranu);
}

} // namespace

QString brak_ekranu()
{
    if (!qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
        !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return {};
    return QString("zenta: nie można otworzyć okna: brak ekranu (nie ustawiono DISPLAY ani WAYLAND_DISPLAY).\n") +
           rada;
}

void pilnuj_ekranu() { poprzedni = qInstallMessageHandler(przy_starcie); }

void przestan_pilnowac_ekranu() { qInstallMessageHandler(poprzedni); }
