#pragma once

class QProcessEnvironment;
class QTranslator;

// Qt's own texts and formats in Polish: buttons, and the file dialog's
// columns, sizes and dates. Numbers stay with a decimal point: ZENTA formats
// every number of its tables and files itself, and C's printf keeps the "C"
// locale.

// Before the QApplication is made: the file dialog formats sizes and dates by
// the system's locale, which Qt reads from the environment once. An LC_ALL
// the user set still wins.
void po_polsku_przed_aplikacja();

// After it: the translator, and Polish as the default QLocale.
void mow_po_polsku(QTranslator& tlumacz);

// The environment for programs ZENTA starts (the browser of the manual): the
// user's own, without the Polish locale ZENTA set for itself.
QProcessEnvironment srodowisko_uzytkownika();
