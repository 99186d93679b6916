#include "ui/mainwindow/Programmstart.h"

#include "core/model/Grunddaten.h"
#include "core/model/Schieber.h"
#include "core/persist/Start.h"
#include "ui/mainwindow/F_Haupt.h"

namespace vapro {

std::unique_ptr<F_Haupt> ProgrammStarten(Kontext& k, const QString& datei,
                                         const QString& programmpfadVorgabe,
                                         const std::function<void()>& registrieren) {
    const Zeitpunkt jetzt = JetztLokal();
    const bool ersterStart = VersionPrüfen(k.speicher, jetzt.Datum, jetzt.Zeit);
    const GeleseneEinstellungen gelesen =
        EinstellungenLaden(k.speicher, k.m, k.zustand, programmpfadVorgabe.toStdString());
    // The defaults below would set the next-start flag again; the stored choice wins.
    const int16_t nächsterStart = k.m.NächsterStart;
    Grundfarben(k.m);
    SpracheEinstellen(k.sprache, gelesen.Sprachbasis);
    GrunddatenFürEinheit(k.m, gelesen.Einheit);
    k.m.NächsterStart = nächsterStart;
    SchieberAbleiten(k.m);
    EinheitenSetzen(k.einheiten, k.m.Einheit);
    // After the language is known, so that a failure speaks the user's language.
    if (ersterStart && registrieren) registrieren();

    auto haupt = std::make_unique<F_Haupt>(k);
    haupt->Form_Load(datei);
    haupt->show();
    haupt->FensterZeigen(F_Haupt::Fenster::Bild, true);
    return haupt;
}

} // namespace vapro
