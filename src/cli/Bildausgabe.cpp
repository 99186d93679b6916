#include "cli/Bildausgabe.h"

#include <QGuiApplication>
#include <QPainter>
#include <array>
#include <cstdio>
#include <memory>
#include <string>

#include "cli/Befehle_intern.h"
#include "core/persist/Einheiten.h"
#include "render/Graphenmaler.h"
#include "render/Maschinenbild.h"

namespace vapro::cli {

namespace {

Maler Maschine(const Modell& m, const Sprache&) {
    return [m](QPainter& p, QSizeF größe) { MaschinenbildMalen(p, m, größe); };
}

Maler BildHubWinkel(const Modell& m, const Sprache& s) {
    return SteuerhubMaler(m, Hubachse::Kurbelwinkel, s);
}

Maler BildHubWeg(const Modell& m, const Sprache& s) {
    return SteuerhubMaler(m, Hubachse::Kolbenweg, s);
}

Maler BildSteuerzeiten(const Modell& m, const Sprache& s) {
    return SteuerzeitenMaler(m, s);
}

Maler BildDiagramm(const Modell& m, const Sprache& s) {
    Einheitennamen einheiten;
    EinheitenSetzen(einheiten, m.Einheit);
    return DampfdiagrammMaler(m, s, einheiten);
}

// A painter here is all a picture needs.
constexpr std::array<Bildeintrag, 5> kBilder{{
    {"bild", &Maschine},
    {"steuerhub", &BildHubWinkel},
    {"steuerhubweg", &BildHubWeg},
    {"steuerzeiten", &BildSteuerzeiten},
    {"diagramm", &BildDiagramm},
}};

std::string Namen() {
    std::string namen;
    for (const auto& b : kBilder)
        namen += (namen.empty() ? "" : ", ") + std::string(b.name);
    return namen;
}

// Only Qt's failures reach the user; its notes about the desktop session
// (no runtime folder on a server, say) mean nothing to a drawing.
void NurFehler(QtMsgType typ, const QMessageLogContext&, const QString& text) {
    if (typ == QtCriticalMsg || typ == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(text));
}

} // namespace

std::unique_ptr<QGuiApplication> AnwendungSicherstellen() {
    if (QCoreApplication::instance()) return nullptr;
    qInstallMessageHandler(NurFehler);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "vapro-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

std::span<const Bildeintrag> Bildtabelle() {
    return kBilder;
}

void Bildausgabe(Modell& m, const Aufruf& auf, const Sprache& s) {
    const Bildeintrag* eintrag = nullptr;
    for (const auto& b : kBilder)
        if (b.name == auf.bild) eintrag = &b;
    if (!eintrag)
        throw Bedienfehler("render: unknown picture '" + auf.bild + "' (one of " + Namen() + ")");
    if (!eintrag->maler)
        throw Bedienfehler("render: the picture '" + auf.bild + "' is not yet available");
    if (auf.bildBreite > BildgrößeGrößte || auf.bildHöhe > BildgrößeGrößte)
        throw Bedienfehler("render: --groesse allows at most " + std::to_string(BildgrößeGrößte) +
                           " pixels a side");
    const QString pfad = QString::fromStdString(auf.ausgabe);
    if (!BildformatVon(pfad))
        throw Bedienfehler("render: --out needs a file ending in .png, .svg or .pdf");

    m.Winkel = static_cast<float>(auf.winkel);
    // Fresh extremes, as the picture window starts them.
    m.LetzterUmWinkel = m.UmWinkel + 1.0f;
    const auto anwendung = AnwendungSicherstellen();
    const Exportergebnis e =
        BildExportieren(pfad, QSize(auf.bildBreite, auf.bildHöhe), eintrag->maler(m, s), s);
    if (!e.ok) throw Dateifehler(e.meldung);
}

} // namespace vapro::cli
