#include "rozmowa_qt.h"

#include "dialogi.h"
#include "otwieranie_pomocy.h"
#include "rekord_pliku.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

// Modal to the window the user was working in: when it closes, that window
// has the focus again and every other window keeps its place in the stack.
QWidget* RozmowaQt::rodzic() const
{
    QWidget* aktywne = QApplication::activeWindow();
    return aktywne && aktywne->isVisible() ? aktywne : okno_;
}

bool RozmowaQt::pytanie(const QString& tekst, const QString& tytul, bool domyslnie_tak)
{
    return QMessageBox::question(rodzic(), tytul, tekst, QMessageBox::Yes | QMessageBox::No,
                                 domyslnie_tak ? QMessageBox::Yes : QMessageBox::No) == QMessageBox::Yes;
}

_ROZMOWA_::Odpowiedz RozmowaQt::pytanie_o_zapis(const QString& tekst, const QString& tytul)
{
    switch (QMessageBox::question(rodzic(), tytul, tekst, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                  QMessageBox::Yes)) {
    case QMessageBox::Yes: return Odpowiedz::tak;
    case QMessageBox::No: return Odpowiedz::nie;
    default: return Odpowiedz::anuluj;
    }
}

void RozmowaQt::komunikat(const QString& tekst, const QString& tytul, Ikona ikona, const QString& szczegoly)
{
    QMessageBox pudelko(ikona == Ikona::pytanie ? QMessageBox::Question : QMessageBox::Warning, tytul, tekst,
                        QMessageBox::Ok, rodzic());
    pudelko.setDetailedText(szczegoly);
    pudelko.exec();
}

bool RozmowaQt::dialog(d_dane_pods& dane, int wskazane) { return uruchom_dialog(rodzic(), dane, wskazane); }
bool RozmowaQt::dialog(d_dane_przek& danep, int wskazane) { return uruchom_dialog(rodzic(), danep, wskazane); }
bool RozmowaQt::dialog(d_wsp& danew, int wskazane) { return uruchom_dialog(rodzic(), danew, wskazane); }
bool RozmowaQt::dialog(d_wymusz& danewy, int wskazane) { return uruchom_dialog(rodzic(), danewy, wskazane); }
bool RozmowaQt::dialog(d_sily& danes, int wskazane, bool staly_wezel)
{
    return uruchom_dialog(rodzic(), danes, wskazane, staly_wezel);
}

bool RozmowaQt::dialog(d_obc_ciagle& dane, int wskazane) { return uruchom_dialog(rodzic(), dane, wskazane); }
bool RozmowaQt::dialog(d_ciezar& dane, int wskazane) { return uruchom_dialog(rodzic(), dane, wskazane); }
bool RozmowaQt::dialog(d_sprezyna& dane, int wskazane, bool staly_wezel)
{
    return uruchom_dialog(rodzic(), dane, wskazane, staly_wezel);
}
bool RozmowaQt::dialog(d_podzial& dane, int wskazane) { return uruchom_dialog(rodzic(), dane, wskazane); }
bool RozmowaQt::dialog(d_zlaczenie& dane, int wskazane) { return uruchom_dialog(rodzic(), dane, wskazane); }
bool RozmowaQt::dialog(d_nowy_element& dane, int wskazane) { return uruchom_dialog(rodzic(), dane, wskazane); }
bool RozmowaQt::dialog(d_usuniecie_podpory& dane, int wskazane) { return uruchom_dialog(rodzic(), dane, wskazane); }
bool RozmowaQt::dialog(d_podzial_kazdego& dane, int wskazane) { return uruchom_dialog(rodzic(), dane, wskazane); }

// Qt's own dialog, so that it speaks Polish and behaves the same everywhere;
// the save dialog takes names of files that do not exist yet.
std::optional<QString> RozmowaQt::wybierz_plik(Wybor wybor, RekordPliku& plik)
{
    QFileDialog okno(rodzic());
    okno.setOption(QFileDialog::DontUseNativeDialog);
    okno.setNameFilters(plik.filtr.split(";;"));
    okno.setDefaultSuffix(plik.rozszerzenie);
    // A name typed without an ending gets the chosen kind's ("(*.txt)": txt).
    QObject::connect(&okno, &QFileDialog::filterSelected, &okno, [&okno](const QString& filtr) {
        okno.setDefaultSuffix(koncowka_filtra(filtr, okno.defaultSuffix()));
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
    plik.wybrany_filtr = okno.selectedNameFilter();
    return plik.nazwa;
}

void RozmowaQt::pokaz_pomoc(const QStringList& dokumenty) { otworz_pomoc(okno_, dokumenty); }
