#include "ui/analysis/F_Dampftafel.h"

#include <QAction>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <QStringList>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/analysis/Dampftafelquelle.h"
#include "ui/platform/Fensterlage.h"
#include "ui/platform/Hilfethemen.h"

namespace vapro {

namespace {

// Captions: German number - 1000 of the window title; the pop-up menu's
// texts follow it.
Rahmendaten Rahmen(Dampftafelart art) {
    const bool si = art == Dampftafelart::SI;
    return {.stamm = si ? QStringLiteral("Dampftafel") : QStringLiteral("DampftafelUS"),
            .vorgabeTwips = si ? 10 : 33,
            .titel = si ? 1000 : 1200,
            .hilfe = si ? HilfeKontext::Dampftafel : HilfeKontext::DampftafelUS,
            .farbe = si ? &Modell::FarbeDampftafel : &Modell::FarbeDampftafelUS};
}

// Widths in twips: the empty margin column, the least width of a table column,
// room for the scroll bar; the most height of the grid.
constexpr int RandSpalte = 100, Spaltenbreite = 700, Rollbalken = 350, MaxHöhe = 7000;

int Pixel(int twips) {
    return twips / TwipsProPixel;
}

} // namespace

F_Dampftafel::F_Dampftafel(Kontext& kontext, Dampftafelart art, QWidget* eltern)
    : Dialograhmen(kontext, Rahmen(art), eltern), art_(art) {
    auto* raster = new QVBoxLayout(this);
    raster->setContentsMargins(Pixel(100), Pixel(100), Pixel(100), Pixel(100));
    G_Dampftafel = new QTableWidget(this);
    G_Dampftafel->verticalHeader()->hide();
    G_Dampftafel->horizontalHeader()->hide();
    G_Dampftafel->setEditTriggers(QAbstractItemView::NoEditTriggers);
    G_Dampftafel->setWordWrap(false);
    // Rows as high as a line of text, as in a plain grid.
    G_Dampftafel->verticalHeader()->setMinimumSectionSize(fontMetrics().height() + 2);
    G_Dampftafel->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    G_Dampftafel->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(G_Dampftafel, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& ort) { M_Popup->popup(G_Dampftafel->mapToGlobal(ort)); });
    raster->addWidget(G_Dampftafel);
}

void F_Dampftafel::WechselSprache() {
    const int basis = Daten().titel;
    setWindowTitle(k.T(basis));
    M_Infotext->setText(k.T(basis + 1));
    M_Hintergrundfarbe->setText(k.T(basis + 2));
}

void F_Dampftafel::Einschreiben() {
    if (gefüllt_) return;
    gefüllt_ = true;
    // Opening the window is the user's "try again" after a failed read.
    Dampftafelvorrat::Eintrag& e = k.dampftafeln.Tafel(art_, Dampftafelordner(k), true);
    Füllen(e.ergebnis.Tafel);
    if (e.ergebnis.Fehler) DampftafelFehlerMelden(k, e, *e.ergebnis.Fehler, this);
}

void F_Dampftafel::Füllen(const Dampftafel& tafel) {
    zeilen_ = tafel.Zeilen();
    spalten_ = tafel.Spalten() + 1;
    // The file may ask for more fixed rows or columns than the grid has;
    // at least one row scrolls.
    festeZeilen_ = std::clamp(tafel.FixeZeilen, 0, std::max(zeilen_ - 1, 0));
    const int festeSpalten = std::clamp(tafel.FixeSpalten, 0, spalten_ - 1);

    QTableWidget& g = *G_Dampftafel;
    g.clear();
    g.setColumnCount(spalten_);
    g.setRowCount(zeilen_ - festeZeilen_);
    if (festeZeilen_ > 0) {
        QStringList köpfe{QString()};
        for (int c = 1; c < spalten_; ++c) {
            QStringList zeilen;
            for (int r = 0; r < festeZeilen_; ++r)
                zeilen << Q(tafel.Zelle(r, c));
            köpfe << zeilen.join('\n');
        }
        g.setHorizontalHeaderLabels(köpfe);
        g.horizontalHeader()->show();
    } else {
        g.horizontalHeader()->hide();
    }
    const QBrush fest = palette().button();
    for (int r = festeZeilen_; r < zeilen_; ++r)
        for (int c = 0; c < spalten_; ++c) {
            auto* zelle = new QTableWidgetItem(c == 0 ? QString() : Q(tafel.Zelle(r, c)));
            zelle->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (c < festeSpalten) {
                zelle->setBackground(fest);
                zelle->setFlags(Qt::ItemIsEnabled);
            }
            g.setItem(r - festeZeilen_, c, zelle);
        }

    // Column 0 is a narrow margin; the others at least their least width.
    // Measured with the style the grid is shown in, before it is shown.
    g.ensurePolished();
    g.horizontalHeader()->ensurePolished();
    g.resizeColumnsToContents();
    g.horizontalHeader()->setMinimumSectionSize(Pixel(RandSpalte));
    g.setColumnWidth(0, Pixel(RandSpalte));
    for (int c = 1; c < spalten_; ++c)
        g.setColumnWidth(c, std::max(g.columnWidth(c), Pixel(Spaltenbreite)));
    int breite = g.horizontalHeader()->length();
    const int zeilenhöhe = g.verticalHeader()->defaultSectionSize();
    const int kopf =
        !g.horizontalHeader()->isHidden() ? g.horizontalHeader()->sizeHint().height() : 0;
    const int höhe =
        std::min(kopf + zeilenhöhe * (zeilen_ - festeZeilen_) + Pixel(500), Pixel(MaxHöhe));
    const int rand = 2 * g.frameWidth();
    breite += rand + std::max(Pixel(Rollbalken), g.verticalScrollBar()->sizeHint().width());
    const QMargins r = layout()->contentsMargins();
    resize(breite + r.left() + r.right(), höhe + rand + r.top() + r.bottom());
}

QString F_Dampftafel::Zelle(int zeile, int spalte) const {
    if (zeile < 0 || zeile >= zeilen_ || spalte < 1 || spalte >= spalten_) return {};
    if (zeile < festeZeilen_) {
        const QTableWidgetItem* kopf = G_Dampftafel->horizontalHeaderItem(spalte);
        return kopf ? kopf->text().split('\n').value(zeile) : QString();
    }
    const QTableWidgetItem* zelle = G_Dampftafel->item(zeile - festeZeilen_, spalte);
    return zelle ? zelle->text() : QString();
}

bool F_Dampftafel::eventFilter(QObject* o, QEvent* e) {
    // The grid keeps its cursor keys for browsing; Escape still closes.
    if (o == G_Dampftafel && e->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(e)->key() != Qt::Key_Escape)
        return false;
    return Dialograhmen::eventFilter(o, e);
}

} // namespace vapro
