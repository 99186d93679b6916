#include "ui/mainwindow/F_Stein.h"

#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "render/Farben.h"
#include "ui/platform/Fensterlage.h"

namespace vapro {

F_Stein::F_Stein(Kontext& kontext, QWidget* eltern) : QWidget(eltern, Qt::Window), k(kontext) {
    auto* layout = new QVBoxLayout(this);
    T_Hinweis = new QLabel(this);
    T_Hinweis->setAlignment(Qt::AlignCenter);
    layout->addWidget(T_Hinweis);
    resize(320, 160);
    PositionLaden(*this, k.speicher, "Stein", 110);
    WechselSprache();
}

void F_Stein::WechselSprache() {
    const bool deutsch = k.sprache.Sprachbasis != SprachbasisEnglisch;
    setWindowTitle(deutsch ? QStringLiteral("Steinspringen") : k.T(407));
    T_Hinweis->setText(deutsch ? QStringLiteral("Leider noch keine Graphik ")
                               : QStringLiteral("No graph yet"));
}

void F_Stein::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::RightButton) {
        if (auto f = k.plattform.FarbeWählen(this, palette().color(QPalette::Window))) {
            HintergrundSetzen(*this, *f);
        }
        return;
    }
    QWidget::mousePressEvent(e);
}

void F_Stein::closeEvent(QCloseEvent* e) {
    PositionSpeichern(*this, k.speicher, "Stein");
    k.m.SteinZeigen = Falsch;
    if (beimSchließen) beimSchließen();
    QWidget::closeEvent(e);
}

} // namespace vapro
