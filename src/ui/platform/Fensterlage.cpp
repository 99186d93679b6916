#include "ui/platform/Fensterlage.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMainWindow>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <optional>

#include "core/numbers/Zahlenformat.h"
#include "core/persist/Einstellungsspeicher.h"

namespace vapro {

// --- geometry ---------------------------------------------------------------

QRect Einpassen(QRect inhalt, const QMargins& ränder, const QRect& verfügbar) {
    const QSize platz(std::max(1, verfügbar.width() - ränder.left() - ränder.right()),
                      std::max(1, verfügbar.height() - ränder.top() - ränder.bottom()));
    inhalt.setSize(inhalt.size().boundedTo(platz));
    const QRect rahmen = inhalt.marginsAdded(ränder);
    // The frame fits now, so moving one edge in leaves the other inside.
    auto schub = [](int anfang, int ende, int min, int max) {
        if (anfang < min) return min - anfang;
        if (ende > max) return max - ende;
        return 0;
    };
    return inhalt.translated(
        schub(rahmen.left(), rahmen.right(), verfügbar.left(), verfügbar.right()),
        schub(rahmen.top(), rahmen.bottom(), verfügbar.top(), verfügbar.bottom()));
}

QRect Danebenlegen(QSize größe, const QMargins& ränder, const QRect& anker,
                   const std::vector<QRect>& offeneRahmen, const QRect& verfügbar) {
    const QSize rahmen = größe.grownBy(ränder);
    QPoint ecke; // of the frame
    if (anker.right() + rahmen.width() <= verfügbar.right())
        ecke = {anker.right() + 1, anker.top()};
    else if (anker.left() - rahmen.width() >= verfügbar.left())
        ecke = {anker.left() - rahmen.width(), anker.top()};
    else
        ecke = {anker.left(), anker.bottom() + 1};
    // Cascade past windows that already stand there, so none hides another.
    const int stufe = std::max(ränder.top(), 24);
    for (int i = 0; i < 20; ++i) {
        const bool belegt =
            std::any_of(offeneRahmen.begin(), offeneRahmen.end(), [&](const QRect& o) {
                return (o.topLeft() - ecke).manhattanLength() < stufe;
            });
        if (!belegt) break;
        ecke += QPoint(stufe, stufe);
    }
    return Einpassen(QRect(ecke + QPoint(ränder.left(), ränder.top()), größe), ränder, verfügbar);
}

// --- windows ----------------------------------------------------------------

namespace {

std::optional<int> TwipsLesen(const Einstellungsspeicher& s, const QString& schlüssel) {
    const auto z = LiesZahl(s.Lesen("Aktuell", schlüssel.toStdString(), ""));
    if (!z || !std::isfinite(*z) || std::fabs(*z) > 1e7) return std::nullopt;
    return static_cast<int>(*z);
}

void TwipsSchreiben(Einstellungsspeicher& s, const QString& schlüssel, int pixel) {
    s.Schreiben("Aktuell", schlüssel.toStdString(),
                FormatAllgemein(static_cast<float>(pixel * TwipsProPixel)));
}

QMargins EigeneRänder(const QWidget& w) {
    const QRect f = w.frameGeometry(), g = w.geometry();
    return {g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom()};
}

bool OffenesFenster(const QWidget* w) {
    const Qt::WindowType art = w->windowType();
    return w->isVisible() && (art == Qt::Window || art == Qt::Dialog || art == Qt::Tool);
}

// The main window a new window opens beside.
QWidget* Anker(const QWidget& fenster) {
    if (QWidget* eltern = fenster.parentWidget()) return eltern->window();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != &fenster && w->isVisible() && qobject_cast<QMainWindow*>(w)) return w;
    return nullptr;
}

QRect Rahmen(const QWidget& w) {
    return w.isVisible() ? w.frameGeometry() : w.geometry().marginsAdded(Rahmenränder(w));
}

// The size the window will show with: a layout's wish until it was resized.
QSize Inhaltsgröße(const QWidget& w) {
    if (w.testAttribute(Qt::WA_Resized)) return w.size();
    const QSize wunsch = w.sizeHint();
    return wunsch.isValid() ? wunsch.expandedTo(w.minimumSize()) : w.size();
}

void Platzieren(QWidget& fenster, std::optional<QPoint> gespeichert, QPoint vorgabe) {
    const QSize größe = Inhaltsgröße(fenster);
    const QMargins ränder = Rahmenränder(fenster);
    QWidget* anker = gespeichert ? nullptr : Anker(fenster);
    QRect ziel;
    if (anker) {
        const QRect ankerRahmen = Rahmen(*anker);
        std::vector<QRect> offen;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != &fenster && w != anker && OffenesFenster(w)) offen.push_back(Rahmen(*w));
        ziel =
            Danebenlegen(größe, ränder, ankerRahmen, offen, VerfügbareFläche(ankerRahmen.center()));
    } else {
        const QRect inhalt(gespeichert.value_or(vorgabe), größe);
        ziel = Einpassen(inhalt, ränder, VerfügbareFläche(inhalt.center()));
    }
    // Content geometry, never move(): see the header.
    fenster.setGeometry(ziel);
}

} // namespace

QMargins Rahmenränder(const QWidget& fenster) {
    if (fenster.isVisible()) {
        const QMargins eigene = EigeneRänder(fenster);
        if (!eigene.isNull()) return eigene;
    }
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != &fenster && OffenesFenster(w)) {
            const QMargins andere = EigeneRänder(*w);
            if (!andere.isNull()) return andere;
        }
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) return {};
    // Not framed yet: rather too much room for the title bar than too little.
    const int titel = std::max(32, 2 * QFontMetrics(fenster.font()).height());
    return {6, titel, 6, 6};
}

QRect VerfügbareFläche(QPoint punkt) {
    QScreen* schirm = QGuiApplication::screenAt(punkt);
    if (!schirm) schirm = QGuiApplication::primaryScreen();
    return schirm ? schirm->availableGeometry() : QRect(0, 0, 1024, 768);
}

void PositionLaden(QWidget& fenster, const Einstellungsspeicher& speicher, const QString& stamm,
                   int vorgabeTwips) {
    const auto x = TwipsLesen(speicher, stamm + " x");
    const auto y = TwipsLesen(speicher, stamm + " y");
    const QPoint vorgabe(vorgabeTwips / TwipsProPixel, vorgabeTwips / TwipsProPixel);
    std::optional<QPoint> gespeichert;
    if (x && y) gespeichert = QPoint(*x / TwipsProPixel, *y / TwipsProPixel);
    Platzieren(fenster, gespeichert, vorgabe);
}

void PositionSpeichern(const QWidget& fenster, Einstellungsspeicher& speicher,
                       const QString& stamm) {
    TwipsSchreiben(speicher, stamm + " x", fenster.geometry().x());
    TwipsSchreiben(speicher, stamm + " y", fenster.geometry().y());
}

void NebenHauptfenster(QWidget& fenster) {
    Platzieren(fenster, std::nullopt, QPoint(0, 0));
}

void GrößeLaden(QWidget& fenster, const Einstellungsspeicher& speicher, const QString& stamm,
                int vorgabeHöhe, int vorgabeBreite) {
    auto lesen = [&](const QString& schlüssel, int vorgabe) {
        const auto z = TwipsLesen(speicher, stamm + schlüssel);
        return (z && *z > 0 ? *z : vorgabe) / TwipsProPixel;
    };
    const QSize gespeichert(lesen(" Breite", vorgabeBreite),
                            lesen(QString::fromUtf8(" Höhe"), vorgabeHöhe));
    const QWidget* anker = Anker(fenster);
    const QRect fläche = VerfügbareFläche(anker ? Rahmen(*anker).center() : QPoint());
    const QMargins ränder = Rahmenränder(fenster);
    const QSize platz(fläche.width() - ränder.left() - ränder.right(),
                      fläche.height() - ränder.top() - ränder.bottom());
    fenster.resize(gespeichert.boundedTo(platz).expandedTo({100, 80}));
}

void GrößeSpeichern(const QWidget& fenster, Einstellungsspeicher& speicher, const QString& stamm) {
    TwipsSchreiben(speicher, stamm + QString::fromUtf8(" Höhe"), fenster.height());
    TwipsSchreiben(speicher, stamm + " Breite", fenster.width());
}

void Eigenständig(QWidget& fenster) {
    // Qt makes a parented window transient for its parent, which window
    // managers keep above the parent for good.
    if (QWindow* w = fenster.windowHandle()) w->setTransientParent(nullptr);
}

void HintergrundSetzen(QWidget& w, const QColor& farbe) {
    QPalette p = w.palette();
    p.setColor(QPalette::Window, farbe);
    w.setPalette(p);
    w.setAutoFillBackground(true);
}

} // namespace vapro
