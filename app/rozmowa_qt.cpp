#include "rozmowa_qt.h"

#include "dialogi.h"
#include "rekord_pliku.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

bool RozmowaQt::pytanie(const QString& tekst, const QString& tytul)
{
    return QMessageBox::question(okno_, tytul, tekst, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void RozmowaQt::komunikat(const QString& tekst, const QString& tytul, Ikona ikona, const QString& szczegoly)
{
    QMessageBox pudelko(ikona == Ikona::pytanie ? QMessageBox::Question : QMessageBox::Warning, tytul, tekst,
                        QMessageBox::Ok, okno_);
    pudelko.setDetailedText(szczegoly);
    pudelko.exec();
}

bool RozmowaQt::dialog(d_dane_pods& dane, int wskazane) { return uruchom_dialog(okno_, dane, wskazane); }
bool RozmowaQt::dialog(d_dane_przek& danep, int wskazane) { return uruchom_dialog(okno_, danep, wskazane); }
bool RozmowaQt::dialog(d_wsp& danew, int wskazane) { return uruchom_dialog(okno_, danew, wskazane); }
bool RozmowaQt::dialog(d_wymusz& danewy, int wskazane) { return uruchom_dialog(okno_, danewy, wskazane); }
bool RozmowaQt::dialog(d_sily& danes, int wskazane, bool staly_wezel)
{
    return uruchom_dialog(okno_, danes, wskazane, staly_wezel);
}

// Qt's own dialog, so that it speaks Polish and behaves the same everywhere;
// the save dialog takes names of files that do not exist yet.
std::optional<QString> RozmowaQt::wybierz_plik(Wybor wybor, RekordPliku& plik)
{
    QFileDialog okno(okno_);
    okno.setOption(QFileDialog::DontUseNativeDialog);
    okno.setNameFilters(plik.filtr.split(";;"));
    okno.setDefaultSuffix(plik.rozszerzenie);
    // A name typed without an ending gets the chosen kind's ("(*.txt)": txt).
    QObject::connect(&okno, &QFileDialog::filterSelected, &okno, [&okno](const QString& filtr) {
        const qsizetype gwiazdka = filtr.lastIndexOf("*.");
        if (gwiazdka >= 0)
            okno.setDefaultSuffix(filtr.mid(gwiazdka + 2).chopped(filtr.endsWith(')') ? 1 : 0));
    });
    if (!plik.katalog.isEmpty())
        okno.setDirectory(plik.katalog);
    if (!plik.nazwa.isEmpty())
        okno.selectFile(plik.nazwa);
    if (wybor == Wybor::otworz) {
        okno.setAcceptMode(QFileDialog::AcceptOpen);
        okno.setFileMode(QFileDialog::ExistingFile);
    } else {
        okno.setAcceptMode(QFileDialog::AcceptSave);
        okno.setFileMode(QFileDialog::AnyFile);
    }
    if (okno.exec() != QDialog::Accepted || okno.selectedFiles().isEmpty())
        return std::nullopt;
    plik.nazwa = okno.selectedFiles().first();
    return plik.nazwa;
}

void RozmowaQt::otworz_dokument(const QString& nazwa)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(QDir::current().absoluteFilePath(nazwa)));
}
