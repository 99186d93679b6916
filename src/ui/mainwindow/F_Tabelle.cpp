#include "ui/mainwindow/F_Tabelle.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <sstream>

#include "core/model/Bewegungstabelle.h"
#include "core/model/GeometrieFehler.h"
#include "core/numbers/Zahlenformat.h"
#include "render/Farben.h"
#include "ui/platform/Exportdialog.h"
#include "ui/platform/Fensterlage.h"
#include "ui/platform/Hilfethemen.h"

namespace vapro {

F_Tabelle::F_Tabelle(Kontext& kontext, QWidget* eltern) : QWidget(eltern, Qt::Window), k(kontext) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    auto* layout = new QVBoxLayout(this);
    G_Tabelle = new QTableWidget(this);
    G_Tabelle->setColumnCount(4);
    G_Tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    G_Tabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
    G_Tabelle->setSelectionMode(QAbstractItemView::SingleSelection);
    G_Tabelle->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    G_Tabelle->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    layout->addWidget(G_Tabelle, 1);
    G_Legende = new QLabel(this);
    layout->addWidget(G_Legende);
    C_TabelleAktualisieren = new QCheckBox(this);
    layout->addWidget(C_TabelleAktualisieren);
    connect(C_TabelleAktualisieren, &QCheckBox::clicked, this,
            [this] { C_TabelleAktualisieren_Click(); });

    M_Popup = new QMenu(this);
    M_Infotext = M_Popup->addAction(QString());
    M_Exportieren = M_Popup->addAction(QString());
    M_Hintergrundfarbe = M_Popup->addAction(QString());
    connect(M_Exportieren, &QAction::triggered, this, [this] { M_Exportieren_Click(); });
    connect(M_Infotext, &QAction::triggered, this,
            [this] { k.plattform.Hilfe(HilfeKontext::Tabelle); });
    connect(M_Hintergrundfarbe, &QAction::triggered, this, [this] {
        if (auto f = k.plattform.FarbeWählen(this, AlsQColor(k.m.FarbeTabelle))) {
            k.m.FarbeTabelle = AlsFarbe(*f);
            MZ();
        }
    });

    resize(420, 520);
    PositionLaden(*this, k.speicher, "Tabelle", 140);
    TabelleEinrichten();
    Einschreiben();
    MZ();
}

void F_Tabelle::WechselSprache() {
    setWindowTitle(k.T(620));
    M_Infotext->setText(k.T(621));
    M_Exportieren->setText(k.T(950));
    M_Hintergrundfarbe->setText(k.T(462));
    C_TabelleAktualisieren->setText(k.T(622));
    G_Legende->setText(k.T(640) + "\n" + k.T(641) + "\n" + k.T(642) + "\n" + k.T(643));
}

void F_Tabelle::MZ() {
    HintergrundSetzen(*this, AlsQColor(k.m.FarbeTabelle));
}

void F_Tabelle::Kopfzeile() {
    const QString einheit = Q(k.m.Einheit);
    G_Tabelle->setHorizontalHeaderLabels(
        {QString::fromUtf8("1)    [°]"), "2) " + einheit, "3)    [%]", "4) " + einheit});
}

void F_Tabelle::TabelleEinrichten() {
    WechselSprache();
    vapro::TabelleEinrichten(k.m);
    G_Tabelle->clearContents();
    G_Tabelle->setRowCount(k.m.TabellenZeilen);
    werte_.assign(static_cast<size_t>(std::max<int16_t>(k.m.TabellenZeilen, 0)), std::nullopt);
    Kopfzeile();
}

void F_Tabelle::Ausgeben() {
    const Tabellenzeile z = NächsteTabellenzeile(k.m);
    if (z.neuEingerichtet) {
        WechselSprache();
        G_Tabelle->clearContents();
        G_Tabelle->setRowCount(k.m.TabellenZeilen);
        werte_.assign(static_cast<size_t>(std::max<int16_t>(k.m.TabellenZeilen, 0)), std::nullopt);
        Kopfzeile();
    }
    const int zeile = z.zeile - 1;
    if (zeile >= 0 && static_cast<size_t>(zeile) < werte_.size())
        werte_[static_cast<size_t>(zeile)] = BewegungswerteVon(k.m);
    const char d = Dezimalzeichen();
    const std::string werte[4] = {
        FormatMuster(k.m.Winkel, WinkelMuster(k.m.WinkelSchritt), d),
        FormatMuster(k.m.kwegmm, "##0.0", d),
        FormatMuster(k.m.kwegproz, "##0.0", d),
        FormatMuster(static_cast<float>(static_cast<double>(k.m.SteinY) - k.m.HubMin), "##0.00", d),
    };
    for (int s = 0; s < 4; ++s) {
        auto* zelle = G_Tabelle->item(zeile, s);
        if (!zelle) {
            zelle = new QTableWidgetItem;
            zelle->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            G_Tabelle->setItem(zeile, s, zelle);
        }
        zelle->setText(Q(werte[s]));
    }
    G_Tabelle->setCurrentCell(zeile, 0);
    if (isVisible()) G_Tabelle->scrollToItem(G_Tabelle->item(zeile, 0));
}

void F_Tabelle::Einschreiben() {
    C_TabelleAktualisieren->setChecked(k.m.TabelleAktualisieren == 1);
}

void F_Tabelle::C_TabelleAktualisieren_Click() {
    k.m.TabelleAktualisieren = C_TabelleAktualisieren->isChecked() ? 1 : 0;
    if (k.m.TabelleAktualisieren == 1) TabelleEinrichten();
}

std::string F_Tabelle::Csv() const {
    std::ostringstream out;
    BewegungCsvSchreiben(out, werte_);
    return out.str();
}

void F_Tabelle::M_Exportieren_Click() {
    CsvExportDialog(
        this, k, [this] { return Csv(); }, QStringLiteral("Bewegung"));
}

QString F_Tabelle::Zelle(int zeile, int spalte) const {
    const auto* z = G_Tabelle->item(zeile - 1, spalte - 1);
    return z ? z->text() : QString();
}

int F_Tabelle::AktuelleZeile() const {
    return G_Tabelle->currentRow() + 1;
}

void F_Tabelle::changeEvent(QEvent* e) {
    if (e->type() == QEvent::ActivationChange && !isActiveWindow())
        PositionSpeichern(*this, k.speicher, "Tabelle");
    QWidget::changeEvent(e);
}

void F_Tabelle::closeEvent(QCloseEvent* e) {
    PositionSpeichern(*this, k.speicher, "Tabelle");
    k.m.TabelleZeigen = Falsch;
    if (beimSchließen) beimSchließen();
    QWidget::closeEvent(e);
}

void F_Tabelle::contextMenuEvent(QContextMenuEvent* e) {
    M_Popup->popup(e->globalPos());
}

} // namespace vapro
