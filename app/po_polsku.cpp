#include "po_polsku.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <clocale>

void po_polsku_przed_aplikacja()
{
    if (!qEnvironmentVariableIsEmpty("LC_ALL"))
        return;
    for (const char* kategoria : {"LC_MESSAGES", "LC_TIME", "LC_NUMERIC"})
        qputenv(kategoria, "pl_PL.UTF-8");
}

void mow_po_polsku(QTranslator& tlumacz)
{
    // QApplication adopted the environment's locale in C too; printf must not.
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    if (tlumacz.load(QLocale(QLocale::Polish), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&tlumacz);
}
