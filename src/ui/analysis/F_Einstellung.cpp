#include "ui/analysis/F_Einstellung.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>
#include <stdexcept>

#include "core/model/Bewegung.h"
#include "core/model/GeometrieFehler.h"
#include "core/model/Verlauf.h"
#include "core/numbers/Zahlenformat.h"
#include "ui/platform/Hilfethemen.h"

namespace vapro {

namespace {

Rahmendaten Rahmen() {
    return {.stamm = "Einstellung",
            .vorgabeTwips = 50,
            .titel = 960,
            .hilfe = HilfeKontext::Einstellung,
            .farbe = &Modell::FarbeEinstellung,
            .neuberechnen = false};
}

QLabel* Zahlfeld(QWidget* eltern) {
    auto* l = new QLabel(eltern);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(l->fontMetrics().horizontalAdvance(QStringLiteral("-0000.000")));
    return l;
}

} // namespace

F_Einstellung::F_Einstellung(Kontext& kontext, QWidget* eltern)
    : Dialograhmen(kontext, Rahmen(), eltern) {
    auto* außen = new QGridLayout(this);

    rahmenEingaben_ = new QGroupBox(this);
    auto* eingaben = new QGridLayout(rahmenEingaben_);
    for (int s = 0; s < 4; ++s) {
        kopf_[static_cast<size_t>(s)] = new QLabel(rahmenEingaben_);
        eingaben->addWidget(kopf_[static_cast<size_t>(s)], 0, s,
                            s ? Qt::AlignRight : Qt::Alignment());
    }
    for (const Stellgröße& s : Stellgrößen()) {
        Eingabezeile z{&s,
                       FeldSuchen(s.name),
                       new QCheckBox(rahmenEingaben_),
                       Zahlfeld(rahmenEingaben_),
                       Feld(rahmenEingaben_),
                       Feld(rahmenEingaben_),
                       new QLabel(rahmenEingaben_)};
        z.C_Frei->setObjectName(QString::fromUtf8(s.name.data(), static_cast<int>(s.name.size())));
        const int r = eingaben->rowCount();
        eingaben->addWidget(z.C_Frei, r, 0);
        eingaben->addWidget(z.A_Jetzt, r, 1);
        eingaben->addWidget(z.E_Von, r, 2);
        eingaben->addWidget(z.E_Bis, r, 3);
        eingaben->addWidget(z.schild, r, 4);
        zeilen_.push_back(z);
    }
    außen->addWidget(rahmenEingaben_, 0, 0, 2, 1, Qt::AlignTop);

    rahmenZiele_ = new QGroupBox(this);
    auto* ziele = new QGridLayout(rahmenZiele_);
    for (size_t i = 0; i < EinstellzielAnzahl; ++i) {
        T_Ziel[i] = new QLabel(rahmenZiele_);
        E_Gewicht[i] = Feld(rahmenZiele_);
        ziele->addWidget(T_Ziel[i], static_cast<int>(i), 0);
        ziele->addWidget(E_Gewicht[i], static_cast<int>(i), 1);
        E_Gewicht[i]->setText(i == 0 ? QStringLiteral("1") : QStringLiteral("0"));
    }
    T_Zeit = new QLabel(rahmenZiele_);
    E_Zeit = Feld(rahmenZiele_);
    E_Zeit->setText(QStringLiteral("10"));
    ziele->addWidget(T_Zeit, ziele->rowCount(), 0);
    ziele->addWidget(E_Zeit, ziele->rowCount() - 1, 1);
    außen->addWidget(rahmenZiele_, 0, 1, Qt::AlignTop);

    auto* lauf = new QGridLayout;
    Knopf_Starten = new QPushButton(this);
    Knopf_Abbrechen = new QPushButton(this);
    Knopf_Anwenden = new QPushButton(this);
    auto* knöpfe = new QHBoxLayout;
    for (QPushButton* k : {Knopf_Starten, Knopf_Abbrechen, Knopf_Anwenden})
        knöpfe->addWidget(k);
    lauf->addLayout(knöpfe, 0, 0);
    P_Fortschritt = new QProgressBar(this);
    P_Fortschritt->setRange(0, 100);
    P_Fortschritt->setValue(0);
    lauf->addWidget(P_Fortschritt, 1, 0);
    A_Stand = new QLabel(this);
    A_Stand->setWordWrap(true);
    lauf->addWidget(A_Stand, 2, 0);
    lauf->setRowStretch(3, 1);
    außen->addLayout(lauf, 1, 1);
    connect(Knopf_Starten, &QPushButton::clicked, this, [this] { Knopf_Starten_Click(); });
    connect(Knopf_Abbrechen, &QPushButton::clicked, this, [this] { Knopf_Abbrechen_Click(); });
    connect(Knopf_Anwenden, &QPushButton::clicked, this, [this] { Knopf_Anwenden_Click(); });

    G_Ergebnis = new QTableWidget(0, 4, this);
    G_Ergebnis->verticalHeader()->hide();
    G_Ergebnis->setEditTriggers(QAbstractItemView::NoEditTriggers);
    G_Ergebnis->setSelectionMode(QAbstractItemView::NoSelection);
    G_Ergebnis->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    G_Ergebnis->setMinimumHeight(G_Ergebnis->fontMetrics().height() * 14);
    außen->addWidget(G_Ergebnis, 2, 0, 1, 2);
    außen->setRowStretch(2, 1);
    KnöpfeSetzen();
}

F_Einstellung::~F_Einstellung() {
    schließen_ = true;
    abbrechen_ = true;
    if (arbeiter_.joinable()) arbeiter_.join();
}

const F_Einstellung::Eingabezeile& F_Einstellung::Zeile(std::string_view name) const {
    for (const Eingabezeile& z : zeilen_)
        if (z.stell->name == name) return z;
    throw std::out_of_range(std::string(name));
}

// --- captions and values ----------------------------------------------------------

void F_Einstellung::WechselSprache() {
    setWindowTitle(k.T(960));
    M_Infotext->setText(k.T(961));
    M_Hintergrundfarbe->setText(k.T(962));
    rahmenEingaben_->setTitle(k.T(963));
    rahmenZiele_->setTitle(k.T(968));
    constexpr std::array<int, 4> kKopf{964, 967, 965, 966}; // input, now, from, to
    for (size_t s = 0; s < kopf_.size(); ++s)
        kopf_[s]->setText(k.T(kKopf[s]));
    for (const Eingabezeile& z : zeilen_) {
        // The caption of the dialog that edits the value, and the name the
        // command line knows it by.
        const QString titel = z.feld->text ? k.T(z.feld->text - 1000).trimmed() : QString();
        const QString name = Q(z.feld->name);
        z.C_Frei->setText(titel.isEmpty() ? name : titel + QStringLiteral(" (") + name + ')');
    }
    for (size_t i = 0; i < EinstellzielAnzahl; ++i)
        T_Ziel[i]->setText(k.T(969 + static_cast<int>(i)));
    T_Zeit->setText(k.T(973));
    Knopf_Starten->setText(k.T(974));
    Knopf_Abbrechen->setText(k.T(975));
    Knopf_Anwenden->setText(k.T(976));
    G_Ergebnis->setHorizontalHeaderLabels({QString(), k.T(977), k.T(978), k.T(907)});
    ErgebnisZeigen();
}

QString F_Einstellung::Zahl(double wert, std::string_view muster) const {
    if (muster.empty()) return Q(FormatAllgemein(static_cast<float>(wert), Dezimalzeichen()));
    return Q(FormatMuster(wert, muster, Dezimalzeichen()));
}

void F_Einstellung::Einschreiben() {
    const bool kulisse = k.m.Umsteuertyp == 1;
    const QString einheit = Q(IstMM(k.m) ? "[mm]" : "[inch]");
    for (const Eingabezeile& z : zeilen_) {
        const bool sichtbar = kulisse || !z.stell->nurKulisse;
        for (QWidget* w :
             std::initializer_list<QWidget*>{z.C_Frei, z.A_Jetzt, z.E_Von, z.E_Bis, z.schild})
            w->setVisible(sichtbar);
        if (!sichtbar) z.C_Frei->setChecked(false);
        z.A_Jetzt->setText(Zahl(FeldLesen(k.m, *z.feld)));
        const Grenzen g = Vorgabegrenzen(k.m, *z.feld);
        z.E_Von->setText(Zahl(g.min));
        z.E_Bis->setText(Zahl(g.max));
        z.schild->setText(z.feld->größe == Größe::Winkel ? QStringLiteral("°") : einheit);
    }
    // A result, or the reason there is none, belongs to the engine it started from.
    if (!Läuft() && (ergebnis_ || verworfen_) && !GleicheMaschine(k.m, start_)) {
        ergebnis_.reset();
        verworfen_ = false;
        stand_.clear();
        P_Fortschritt->setValue(0);
        ErgebnisZeigen();
    }
    KnöpfeSetzen();
}

void F_Einstellung::KnöpfeSetzen() {
    Knopf_Starten->setEnabled(!Läuft());
    Knopf_Abbrechen->setEnabled(Läuft());
    Knopf_Anwenden->setEnabled(!Läuft() && ergebnis_ && ergebnis_->Verbessert());
}

// --- the search ---------------------------------------------------------------------

std::optional<Einstellauftrag> F_Einstellung::AuftragLesen() {
    Einstellauftrag a;
    try {
        for (const Eingabezeile& z : zeilen_)
            if (z.C_Frei->isVisibleTo(this) && z.C_Frei->isChecked())
                a.frei.push_back({z.feld, {LiesEinzel(z.E_Von), LiesEinzel(z.E_Bis)}});
        for (size_t i = 0; i < EinstellzielAnzahl; ++i) {
            a.gewichte[i] = LiesEinzel(E_Gewicht[i]);
            if (a.gewichte[i] < 0) Abweisen();
        }
        a.zeitSekunden = LiesEinzel(E_Zeit);
        if (!(a.zeitSekunden > 0 && a.zeitSekunden <= 86400)) Abweisen();
    } catch (const Eingabefehler&) {
        EingabefehlerMelden();
        return std::nullopt;
    }
    auto melden = [this](int text, const QString& name = {}) {
        k.plattform.Meldung(this,
                            Q(Meldungstext(k.sprache.Text(text), {{"|1", name.toStdString()}})),
                            Symbol::Ausruf);
        return std::nullopt;
    };
    if (a.frei.empty()) return melden(984);
    for (const FreieEingabe& f : a.frei) {
        const double wert = FeldLesen(k.m, *f.feld);
        if (!(f.grenzen.min < f.grenzen.max && f.grenzen.min <= wert && wert <= f.grenzen.max))
            return melden(985, Q(f.feld->name));
    }
    if (std::all_of(a.gewichte.begin(), a.gewichte.end(), [](double g) { return g == 0; }))
        return melden(986);
    try {
        AuftragPrüfen(k.m, a);
    } catch (const std::invalid_argument&) {
        EingabefehlerMelden();
        return std::nullopt;
    }
    return a;
}

void F_Einstellung::Knopf_Starten_Click() {
    if (Läuft()) return;
    const auto a = AuftragLesen();
    if (!a) return;
    start_ = k.m;
    auftrag_ = *a;
    ergebnis_.reset();
    verworfen_ = false;
    abbrechen_ = false;
    P_Fortschritt->setValue(0);
    stand_ = k.T(991);
    ErgebnisZeigen();
    // The thread works on its own copy of the engine; what it finds comes
    // back through the event loop.
    arbeiter_ = std::thread([this, start = start_, auftrag = auftrag_] {
        auto antwort = std::make_shared<Antwort>();
        try {
            const double zeit = auftrag.zeitSekunden;
            antwort->ergebnis =
                Einstellen(start, auftrag, &abbrechen_, [this, zeit](const Einstellstand& s) {
                    QMetaObject::invokeMethod(
                        this, [this, s, zeit] { Fortschritt(s, zeit); }, Qt::QueuedConnection);
                });
            if (!schließen_)
                antwort->prüfung = PrüfungVergleichen(start, antwort->ergebnis->maschine);
        } catch (const std::exception&) {
            antwort->ergebnis.reset(); // the start itself cannot be set
        }
        QMetaObject::invokeMethod(
            this, [this, antwort] { Fertig(antwort); }, Qt::QueuedConnection);
    });
    KnöpfeSetzen();
}

void F_Einstellung::Knopf_Abbrechen_Click() {
    abbrechen_ = true;
}

void F_Einstellung::Fortschritt(const Einstellstand& s, double zeit) {
    if (!Läuft()) return; // a report that arrived after the end
    P_Fortschritt->setValue(static_cast<int>(std::clamp(s.sekunden / zeit * 100, 0.0, 100.0)));
    stand_ = k.T(991) + ' ' +
             Q(Meldungstext(k.sprache.Text(980), {{"|1", std::to_string(s.auswertungen)},
                                                  {"|2", FormatMuster(s.sekunden, "0.0")}})) +
             QStringLiteral(", ") + k.T(979) + ' ' + Zahl(s.besterWert, "0.000");
    A_Stand->setText(stand_);
}

void F_Einstellung::Fertig(const std::shared_ptr<Antwort>& antwort) {
    if (arbeiter_.joinable()) arbeiter_.join();
    P_Fortschritt->setValue(100);
    verworfen_ = !antwort->ergebnis;
    ergebnis_ = antwort->ergebnis;
    prüfung_ = antwort->prüfung;
    stand_.clear();
    ErgebnisZeigen();
    KnöpfeSetzen();
}

void F_Einstellung::Knopf_Anwenden_Click() {
    if (Läuft() || !ergebnis_ || !ergebnis_->Verbessert()) return;
    if (!GleicheMaschine(k.m, start_)) {
        k.plattform.Meldung(this, Q(Meldungstext(k.sprache.Text(988), {{"|1", "\n"}})),
                            Symbol::Ausruf);
        return;
    }
    const Modell vorher = k.m;
    try {
        // The inputs alone: the crank, the lever and the windows stay as they are.
        if (!EingabenSetzen(k.m, auftrag_.frei, ergebnis_->nachher))
            throw GeometrieFehler("automatic setting");
        if (k.ansichten) Neuberechnung(k.m, *k.ansichten, Anlass::Eingabe);
    } catch (const GeometrieFehler& f) {
        MaschineEinsetzen(k.m, vorher);
        try {
            if (k.ansichten) Neuberechnung(k.m, *k.ansichten, Anlass::Ansicht);
        } catch (const GeometrieFehler&) {
            // the engine as it was before; the message below says enough
        }
        GeometriefehlerMelden(f);
        return;
    }
    k.zustand.verlauf.Aufzeichnen(960, vorher, k.m);
    ergebnis_.reset();
    stand_.clear();
    P_Fortschritt->setValue(0);
    Einschreiben();
    ErgebnisZeigen();
    if (nachÜbernahme) nachÜbernahme();
}

// --- the result table ----------------------------------------------------------------

void F_Einstellung::ErgebnisZeigen() {
    if (!ergebnis_) {
        G_Ergebnis->setRowCount(0);
        A_Stand->setText(verworfen_ ? k.T(987) : stand_);
        return;
    }
    const Einstellergebnis& e = *ergebnis_;
    std::vector<std::array<QString, 4>> zeilen;
    for (size_t i = 0; i < auftrag_.frei.size(); ++i)
        zeilen.push_back(
            {Q(auftrag_.frei[i].feld->name), Zahl(e.vorher[i]), Zahl(e.nachher[i]), QString()});
    for (Einstellziel z : AlleEinstellziele) {
        const double gewicht = auftrag_.gewichte[static_cast<size_t>(z)];
        zeilen.push_back(
            {k.T(969 + static_cast<int>(z)) + QStringLiteral(" (× ") + Zahl(gewicht) + ')',
             Zahl(e.bewertungVorher.Teil(z), "0.000"), Zahl(e.bewertungNachher.Teil(z), "0.000"),
             QString()});
    }
    zeilen.push_back({k.T(979), Zahl(e.zielVorher, "0.000"), Zahl(e.zielNachher, "0.000"), {}});
    const bool mm = IstMM(start_);
    for (size_t i = 0; i < prüfung_.vorher.size() && i < prüfung_.nachher.size(); ++i) {
        const Prüfergebnis &v = prüfung_.vorher[i], &n = prüfung_.nachher[i];
        QString name = k.T(912 + static_cast<int>(v.Art));
        if (v.Vorwärts) name += QStringLiteral(", ") + k.T(*v.Vorwärts ? 910 : 911);
        const std::string_view muster = v.Art == Prüfart::Drehrichtung     ? "0"
                                        : v.Art != Prüfart::VoreilenGleich ? "0.0"
                                        : mm                               ? "0.000"
                                                                           : "0.0000";
        auto wert = [&](const Prüfergebnis& r) {
            return r.Wert ? Zahl(*r.Wert, muster) : QStringLiteral("---");
        };
        zeilen.push_back(
            {name, wert(v), wert(n),
             k.T(v.Bestanden ? 908 : 909) + QStringLiteral(" → ") + k.T(n.Bestanden ? 908 : 909)});
    }
    G_Ergebnis->setRowCount(static_cast<int>(zeilen.size()));
    for (int r = 0; r < static_cast<int>(zeilen.size()); ++r)
        for (int s = 0; s < 4; ++s) {
            auto* zelle =
                new QTableWidgetItem(zeilen[static_cast<size_t>(r)][static_cast<size_t>(s)]);
            if (s == 1 || s == 2) zelle->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            G_Ergebnis->setItem(r, s, zelle);
        }
    G_Ergebnis->resizeColumnsToContents();

    QString text = Q(Meldungstext(k.sprache.Text(980), {{"|1", std::to_string(e.auswertungen)},
                                                        {"|2", FormatMuster(e.sekunden, "0.0")}}));
    if (e.abgebrochen) text += QStringLiteral(", ") + k.T(981);
    if (e.zeitAbgelaufen) text += QStringLiteral(", ") + k.T(982);
    if (!e.Verbessert()) text += QStringLiteral(", ") + k.T(983);
    A_Stand->setText(text);
}

} // namespace vapro
