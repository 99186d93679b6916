#include "render/Bericht.h"

#include <QFileInfo>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <array>
#include <functional>
#include <list>

#include "core/model/Felder.h"
#include "core/model/Rechnen.h"
#include "core/numbers/Zahlenformat.h"
#include "render/Berichtsteile.h"
#include "render/Maschinenbild.h"

namespace vapro {

namespace bericht {

QString T(const Sprache& s, int deutsch) {
    const std::string_view t = s.Text(deutsch - SprachbasisDeutsch);
    return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace bericht

namespace {

using bericht::Q;
using bericht::T;

// Pixels per inch of the pages: the painters draw in pixels of a common
// screen, so graphs and picture look on paper as in their windows.
constexpr int kDpi = 96;
constexpr double kRandMM = 15;

// The dialogs in menu order, each with its title and the block of text
// numbers its captions come from; a field belongs to the dialog whose block
// holds its caption.
struct Dialogblock {
    int titel, von, bis;
};
constexpr std::array<Dialogblock, 5> kDialoge{{
    {1043, 1043, 1059}, // crank drive
    {1060, 1060, 1089}, // reversing gear
    {1000, 1000, 1025}, // valve chest
    {1026, 1026, 1042}, // slide valve
    {1500, 1500, 1530}, // operating parameters
}};

// Inputs chosen by option buttons: shown as the option chosen.
struct Wahlfeld {
    std::string_view name;
    int wennEins, sonst; // caption of the option for the value 1, and else
};
constexpr std::array<Wahlfeld, 3> kWahlfelder{{
    {"Einströmung", 1078, 1077},
    {"Umsteuertyp", 1079, 1080},
    {"SchieberEingabe", 1040, 1039},
}};

QString Einheit(const Feld& f, const Einheitennamen& n) {
    switch (f.größe) {
    case Größe::Länge:
        return Q(n.EinheitLänge);
    case Größe::Druck:
        return Q(n.EinheitDruckAbs);
    case Größe::Winkel:
    case Größe::Bogenmaß:
        return QStringLiteral("°");
    default:
        // The efficiency is the one whole number with a unit.
        return f.name == "MechWirkungsgrad" ? QStringLiteral("%") : QString();
    }
}

std::vector<QString> Eingabezeile(const Modell& m, const Feld& f, const bericht::Teil& t) {
    const double wert = FeldLesen(m, f);
    for (const Wahlfeld& w : kWahlfelder)
        if (w.name == f.name) return {T(t.s, wert == 1 ? w.wennEins : w.sonst), {}, {}};
    const QString titel = f.text ? T(t.s, f.text).simplified() : Q(std::string(f.festerText));
    const QString zahl = f.größe == Größe::Ganzzahl
                             ? QString::number(static_cast<long>(wert))
                             : Q(FormatAllgemein(static_cast<float>(wert), t.a.dezimal)).trimmed();
    return {titel, zahl, Einheit(f, t.einheiten)};
}

void Eingaben(const bericht::Teil& t) {
    t.seiten.Überschrift(T(t.s, 2706));
    for (const Dialogblock& d : kDialoge) {
        Berichtstabelle tabelle;
        tabelle.breiten = {3, 1, 1};
        tabelle.links = {true, false, true};
        tabelle.kopf = 1;
        tabelle.zeilen.push_back({T(t.s, d.titel), {}, {}});
        // Captions are numbered in the order the dialog shows them.
        std::vector<const Feld*> felder;
        for (const Feld& f : Felder())
            if (f.größe != Größe::Farbe && f.text >= d.von && f.text <= d.bis) felder.push_back(&f);
        std::stable_sort(felder.begin(), felder.end(),
                         [](const Feld* a, const Feld* b) { return a->text < b->text; });
        for (const Feld* f : felder)
            tabelle.zeilen.push_back(Eingabezeile(t.m, *f, t));
        t.seiten.Tabelle(tabelle);
        t.seiten.Zeile(QString());
    }
}

QString Dateiname(const Berichtsangaben& a, const Sprache& s) {
    return a.datei.empty() ? T(s, 2703) : QFileInfo(Q(a.datei)).fileName();
}

void Titelseite(const bericht::Teil& t) {
    Berichtsseiten& seiten = t.seiten;
    seiten.Titel(T(t.s, 2701));
    const QString datei = t.a.datei.empty() ? T(t.s, 2703) : Q(t.a.datei);
    seiten.Zeile(T(t.s, 2702).replace(QStringLiteral("|1"), datei));
    seiten.Zeile(T(t.s, 2704).replace(QStringLiteral("|1"), Q(t.a.datum)));
    seiten.Zeile(T(t.s, 3303) + Q(t.m.Einheit) + QStringLiteral("    ") + T(t.s, 3304) +
                 Q(std::string(DruckeinheitFür(t.m.Einheit))));
    // As the main window's read-out shows the lever.
    const float hebel = static_cast<float>(t.m.UmWinkel * 180.0 / Pi * t.m.Vorzeichen + 0.0);
    seiten.Zeile(T(t.s, 1403) + QStringLiteral(": ") +
                 Q(FormatMuster(hebel, "##0.0", t.a.dezimal)));
    seiten.Zeile(T(t.s, 2707) + QStringLiteral(": ") +
                 Q(FormatMuster(t.m.Winkel, "##0.0", t.a.dezimal)));
    seiten.Zeile(QString());
    Modell bild = t.m;
    // Fresh extremes, as the picture window starts them.
    bild.LetzterUmWinkel = bild.UmWinkel + 1.0f;
    seiten.Bild([bild](QPainter& p, QSizeF größe) { MaschinenbildMalen(p, bild, größe); },
                seiten.Frei());
}

} // namespace

QPageSize BerichtSeitenformat() {
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
               ? QPageSize(QPageSize::Letter)
               : QPageSize(QPageSize::A4);
}

namespace {

int Malen(QPaintDevice& gerät, QPainter& p, const std::function<bool()>& neueSeite, const Modell& m,
          const Sprache& s, const Berichtsangaben& a) {
    Berichtsseiten seiten(gerät, p, neueSeite, T(s, 2701) + QStringLiteral(" – ") + Dateiname(a, s),
                          T(s, 2705), T(s, 2712));
    bericht::Teil t{seiten, m, s, a, {}};
    EinheitenSetzen(t.einheiten, m.Einheit);
    Titelseite(t);
    seiten.NeueSeite();
    Eingaben(t);
    seiten.NeueSeite();
    bericht::Steuerzeiten(t);
    seiten.NeueSeite();
    const QSizeF diagramm = bericht::Graphen(t);
    seiten.NeueSeite();
    bericht::Betriebswerte(t, diagramm);
    seiten.NeueSeite();
    bericht::Hebelbereich(t);
    return seiten.Abschließen();
}

QPageLayout Seitenlage(const Berichtsangaben& a) {
    return QPageLayout(a.seite, QPageLayout::Portrait,
                       QMarginsF(kRandMM, kRandMM, kRandMM, kRandMM), QPageLayout::Millimeter);
}

} // namespace

int BerichtMalen(QPagedPaintDevice& gerät, QPainter& p, const Modell& m, const Sprache& s,
                 const Berichtsangaben& a) {
    return Malen(
        gerät, p, [&gerät] { return gerät.newPage(); }, m, s, a);
}

std::vector<QImage> BerichtsseitenRendern(const Modell& m, const Sprache& s,
                                          const Berichtsangaben& a) {
    const QRect fläche = Seitenlage(a).paintRectPixels(kDpi);
    // Each page an image of its own; the first one measures for all.
    std::list<QImage> seiten;
    auto neu = [&] {
        QImage& bild = seiten.emplace_back(fläche.size(), QImage::Format_RGB32);
        bild.setDotsPerMeterX(static_cast<int>(kDpi / 0.0254 + 0.5));
        bild.setDotsPerMeterY(static_cast<int>(kDpi / 0.0254 + 0.5));
        bild.fill(Qt::white);
        return &bild;
    };
    QPainter p(neu());
    Malen(
        seiten.front(), p,
        [&] {
            p.end();
            return p.begin(neu());
        },
        m, s, a);
    p.end();
    return {seiten.begin(), seiten.end()};
}

Exportergebnis BerichtSchreiben(const QString& pfad, const Modell& m, const Sprache& s,
                                const Berichtsangaben& a) {
    return DateiExportieren(
        pfad, s,
        [&](QIODevice& datei) {
            QPdfWriter pdf(&datei);
            pdf.setResolution(kDpi);
            pdf.setTitle(T(s, 2701) + QStringLiteral(" – ") + Dateiname(a, s));
            pdf.setCreator(QStringLiteral("Zelto Vapro"));
            pdf.setPageLayout(Seitenlage(a));
            QPainter p;
            if (!p.begin(&pdf)) return false;
            BerichtMalen(pdf, p, m, s, a);
            return p.end();
        },
        2714);
}

} // namespace vapro
