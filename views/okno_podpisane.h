#pragma once

#include <QFrame>

class QLabel;

// A small framed child window with a caption strip, standing inside the main
// view (the read-out, the progress window). Its geometry is the outer one, in
// the parent's client coordinates; children go into wnetrze(), whose
// coordinates start below the caption.
class OknoPodpisane : public QFrame {
public:
    OknoPodpisane(QWidget* rodzic, const QString& tytul, const QRect& geometria);

    QWidget* wnetrze() const { return wnetrze_; }
    QString tytul() const;

private:
    QLabel* pasek_;
    QWidget* wnetrze_;
};
