#pragma once

#include <QDir>
#include <QString>
#include <QStringList>

// What "&Pomoc" offers, in order: velu.chm where it stands in the working
// directory (named relative to it); then the manual installed beside the
// program (bin/ -> share/zenta/, the same in the build tree) or in the
// system's data folders. Empty when there is neither.
QStringList dokumenty_pomocy(const QDir& roboczy, const QString& katalog_programu);
