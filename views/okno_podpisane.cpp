#include "okno_podpisane.h"

#include <QLabel>
#include <QVBoxLayout>

OknoPodpisane::OknoPodpisane(QWidget* rodzic, const QString& tytul, const QRect& geometria)
    : QFrame(rodzic), pasek_(new QLabel(tytul, this)), wnetrze_(new QWidget(this))
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setGeometry(geometria);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button); // the 3-D face colour
    // A window of its own: the pointer over it is not over the bar below.
    setAttribute(Qt::WA_NoMousePropagation);

    pasek_->setAutoFillBackground(true);
    pasek_->setBackgroundRole(QPalette::Highlight);
    pasek_->setForegroundRole(QPalette::HighlightedText);
    pasek_->setContentsMargins(3, 1, 3, 1);
    pasek_->setFixedHeight(pasek_->sizeHint().height());

    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(1, 1, 1, 1);
    uklad->setSpacing(0);
    uklad->addWidget(pasek_);
    uklad->addWidget(wnetrze_, 1);
}

QString OknoPodpisane::tytul() const { return pasek_->text(); }
