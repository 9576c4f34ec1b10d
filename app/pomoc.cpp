#include "pomoc.h"

#include "teksty.h"

#include <QFileInfo>
#include <QStandardPaths>

QString plik_pomocy(const QDir& roboczy, const QString& katalog_programu)
{
    if (QFileInfo(roboczy.filePath(teksty::plik_pomocy)).isFile())
        return teksty::plik_pomocy;
    const QString podrecznik = "zenta/podrecznik.html";
    if (const QFileInfo obok(katalog_programu + "/../share/" + podrecznik); obok.isFile())
        return obok.canonicalFilePath();
    if (const QString w_systemie = QStandardPaths::locate(QStandardPaths::GenericDataLocation, podrecznik);
        !w_systemie.isEmpty())
        return w_systemie;
    return teksty::plik_pomocy;
}
