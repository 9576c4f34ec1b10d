#pragma once

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
