#include "okno_wykresow.h"

#include "gracz.h"
#include "model.h"

#include <QApplication>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

// The diagrams themselves: a display list kept for its size and results.
class OknoWykresow::Pole : public QWidget {
public:
    Pole(QWidget* rodzic, QLabel* odczyt) : QWidget(rodzic), odczyt_(odczyt)
    {
        setMouseTracking(true);
        setMinimumSize(400, 3 * 120 + 96);
    }
    void nieaktualne()
    {
        zestaw_.reset();
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter malarz(this);
        if (Pusty) {
            malarz.fillRect(rect(), Qt::white);
            return;
        }
        odtworz(aktualny().rysunek, malarz, width(), height(), bialy);
    }
    void mouseMoveEvent(QMouseEvent* zdarzenie) override
    {
        const QPoint p = zdarzenie->position().toPoint();
        odczyt_->setText(Pusty ? QString() : QString::fromStdString(odczyt_wykresow(aktualny(), p.x(), p.y())));
    }
    void leaveEvent(QEvent*) override { odczyt_->clear(); }

private:
    // Made again only for a new size or new results (Pusty false).
    const ZestawWykresow& aktualny()
    {
        if (!zestaw_ || rozmiar_ != size()) {
            zestaw_ = rysuj_wykresy(width(), height());
            rozmiar_ = size();
        }
        return *zestaw_;
    }

    QLabel* odczyt_;
    std::optional<ZestawWykresow> zestaw_;
    QSize rozmiar_;
};

OknoWykresow::OknoWykresow(QWidget* wlasciciel) : QWidget(wlasciciel)
{
    // A dialog, so that the window manager keeps it above its owner.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(":/RUR1A.png"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("Wykresy");
    odczyt_ = new QLabel(this);
    odczyt_->setMinimumHeight(odczyt_->fontMetrics().height() + 6);
    pole_ = new Pole(this, odczyt_);
    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(0, 0, 0, 4);
    uklad->setSpacing(2);
    uklad->addWidget(pole_, 1);
    uklad->addWidget(odczyt_);
    odczyt_->setContentsMargins(6, 0, 6, 0);
    // 900 x 680, or what the screen leaves of it.
    const QRect ekran = screen() ? screen()->availableGeometry() : QRect(0, 0, 1024, 768);
    move(ekran.topLeft() + QPoint(40, 40));
    resize(std::min(900, ekran.width() - 80), std::min(680, ekran.height() - 80));
}

QWidget* OknoWykresow::pole() const { return pole_; }

void OknoWykresow::odswiez()
{
    pole_->nieaktualne();
    // A model released and not replaced within the same event leaves nothing to show.
    QTimer::singleShot(0, this, [okno = QPointer<OknoWykresow>(this)] {
        if (okno && Pusty)
            okno->close();
    });
}

void OknoWykresow::odswiez_wszystkie()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* o = dynamic_cast<OknoWykresow*>(w))
            o->odswiez();
}
