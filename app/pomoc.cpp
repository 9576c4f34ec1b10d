#include "pomoc.h"

#include "teksty.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString podrecznik(const QString& katalog_programu)
{
    const QString podrecznik = "zenta/podrecznik.html";
    if (const QFileInfo obok(katalog_programu + "/../share/" + podrecznik); obok.isFile())
        return obok.canonicalFilePath();
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation, podrecznik);
}

} // namespace

QStringList dokumenty_pomocy(const QDir& roboczy, const QString& katalog_programu)
{
    QStringList dokumenty;
    if (QFileInfo(roboczy.filePath(teksty::plik_pomocy)).isFile())
        dokumenty << teksty::plik_pomocy;
    if (const QString p = podrecznik(katalog_programu); !p.isEmpty())
        dokumenty << p;
    return dokumenty;
}
