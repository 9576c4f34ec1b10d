#pragma once

#include <QDir>
#include <QString>

// What "&Pomoc" hands to the desktop: velu.chm where it stands in the working
// directory; otherwise the manual installed beside the program (bin/ ->
// share/zenta/, the same in the build tree) or in the system's data folders;
// otherwise velu.chm still, whose failure goes unreported as ever. The
// working directory's file is named relative to it.
QString plik_pomocy(const QDir& roboczy, const QString& katalog_programu);
