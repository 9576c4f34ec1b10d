#include "po_polsku.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QProcessEnvironment>
#include <QTranslator>

#include <clocale>
#include <map>
#include <optional>

namespace {

constexpr const char* kategorie[] = {"LC_MESSAGES", "LC_TIME", "LC_NUMERIC"};

// What the user had in each category ZENTA sets (nothing: not set).
std::map<QString, std::optional<QByteArray>>& wlasne_uzytkownika()
{
    static std::map<QString, std::optional<QByteArray>> wlasne;
    return wlasne;
}

} // namespace

void po_polsku_przed_aplikacja()
{
    if (!qEnvironmentVariableIsEmpty("LC_ALL"))
        return;
    for (const char* kategoria : kategorie) {
        if (!wlasne_uzytkownika().contains(kategoria))
            wlasne_uzytkownika()[kategoria] =
                qEnvironmentVariableIsSet(kategoria) ? std::optional(qgetenv(kategoria)) : std::nullopt;
        qputenv(kategoria, "pl_PL.UTF-8");
    }
}

QProcessEnvironment srodowisko_uzytkownika()
{
    QProcessEnvironment srodowisko = QProcessEnvironment::systemEnvironment();
    for (const auto& [kategoria, wartosc] : wlasne_uzytkownika()) {
        if (wartosc)
            srodowisko.insert(kategoria, QString::fromLocal8Bit(*wartosc));
        else
            srodowisko.remove(kategoria);
    }
    return srodowisko;
}

void mow_po_polsku(QTranslator& tlumacz)
{
    // QApplication adopted the environment's locale in C too; printf must not.
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    if (tlumacz.load(QLocale(QLocale::Polish), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&tlumacz);
}
