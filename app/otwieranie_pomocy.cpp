#include "otwieranie_pomocy.h"

#include "po_polsku.h"

#include <QDir>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QTextBrowser>
#include <QUrl>

#include <algorithm>

namespace {

constexpr const char* nazwa_okna = "okno_pomocy";

// ZENTA's own help window: the manual with its pictures, its links followed
// inside it; one window, raised again by the next "&Pomoc".
void pokaz_w_oknie_pomocy(QWidget* okno, const QString& podrecznik)
{
    auto* przegladarka = okno->findChild<QTextBrowser*>(nazwa_okna, Qt::FindDirectChildrenOnly);
    if (!przegladarka) {
        przegladarka = new QTextBrowser(okno);
        przegladarka->setObjectName(nazwa_okna);
        przegladarka->setWindowFlag(Qt::Window);
        przegladarka->setAttribute(Qt::WA_DeleteOnClose);
        przegladarka->resize(900, 700);
        QObject::connect(przegladarka, &QTextBrowser::sourceChanged, przegladarka,
                         [przegladarka] { przegladarka->setWindowTitle(przegladarka->documentTitle()); });
    }
    przegladarka->setSource(QUrl::fromLocalFile(podrecznik));
    przegladarka->show();
    przegladarka->raise();
    przegladarka->activateWindow();
}

// The manual among the documents, for the window of its own.
QString podrecznik_z(const QStringList& dokumenty)
{
    const auto html = std::find_if(dokumenty.crbegin(), dokumenty.crend(),
                                   [](const QString& d) { return d.endsWith(".html", Qt::CaseInsensitive); });
    return html == dokumenty.crend() ? QString() : QDir::current().absoluteFilePath(*html);
}

// The documents one after another, each while the one before could not be
// opened. Without a parent: a browser that xdg-open waits for must outlive
// ZENTA, where QProcess, destroyed with its parent, would kill xdg-open.
class OtwieraniePomocy : public QObject {
public:
    OtwieraniePomocy(QWidget* okno, const QStringList& dokumenty)
        : okno_(okno), kolejka_(dokumenty), podrecznik_(podrecznik_z(dokumenty))
    {
    }

    void nastepny()
    {
        if (kolejka_.isEmpty()) {
            bez_pulpitu();
            deleteLater();
            return;
        }
        auto* proces = new QProcess(this);
        proces->setProgram("xdg-open");
        proces->setArguments({QDir::current().absoluteFilePath(kolejka_.takeFirst())});
        proces->setProcessEnvironment(srodowisko_uzytkownika());
        proces->setProcessChannelMode(QProcess::ForwardedChannels);
        proces->setStandardInputFile(QProcess::nullDevice());
        connect(proces, &QProcess::finished, this, [this, proces](int kod, QProcess::ExitStatus stan) {
            proces->deleteLater();
            if (stan == QProcess::NormalExit && kod == 0)
                deleteLater();
            else
                nastepny();
        });
        connect(proces, &QProcess::errorOccurred, this, [this, proces](QProcess::ProcessError blad) {
            if (blad != QProcess::FailedToStart)
                return; // the end comes through finished
            proces->deleteLater();
            nastepny();
        });
        proces->start();
    }

private:
    void bez_pulpitu()
    {
        if (!okno_)
            return;
        if (!podrecznik_.isEmpty())
            pokaz_w_oknie_pomocy(okno_, podrecznik_);
        else
            QMessageBox::warning(okno_, "Pomoc",
                                 "Nie można otworzyć pomocy: nie znaleziono podręcznika ZENTA "
                                 "(zenta/podrecznik.html).");
    }

    QPointer<QWidget> okno_;
    QStringList kolejka_;
    QString podrecznik_;
};

} // namespace

void otworz_pomoc(QWidget* okno, const QStringList& dokumenty)
{
    (new OtwieraniePomocy(okno, dokumenty))->nastepny();
}
