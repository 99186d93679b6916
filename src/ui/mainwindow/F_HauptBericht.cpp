// File → Report: the design report of the engine on screen, as PDF.

#include <QApplication>
#include <QFileInfo>

#include "core/analysis/Dampftafel.h"
#include "core/persist/Start.h"
#include "render/Bericht.h"
#include "ui/analysis/Dampftafelquelle.h"
#include "ui/mainwindow/F_Haupt.h"
#include "ui/platform/Exportdialog.h"

namespace vapro {

void F_Haupt::M_Bericht_Click() {
    const QString datei = Q(k.zustand.Dateiname);
    const QString name =
        datei.isEmpty() ? k.T(1701)
                        : QFileInfo(datei).completeBaseName() + QStringLiteral(" ") + k.T(1701);
    const auto gewählt = k.plattform.DateiSpeichern(
        this, k.T(1713), ExportVorschlag(k, name + QStringLiteral(".pdf")));
    if (!gewählt) return;
    QString pfad = *gewählt;
    if (QFileInfo(pfad).suffix().isEmpty()) pfad += pfad.endsWith('.') ? "pdf" : ".pdf";

    Berichtsangaben a;
    a.datei = k.zustand.Dateiname;
    const Zeitpunkt jetzt = JetztLokal();
    a.datum = jetzt.Datum + "  " + jetzt.Zeit;
    a.dezimal = Dezimalzeichen();
    const Dampftafelart art = DampftafelartFürEinheit(k.m.Einheit);
    if (const Dampftafel* tafel = DampftafelFürSuche(k, art, this, true))
        a.dampf = DampfzustandSuchen(*tafel, k.m.PO1, art);

    // The report works on copies: the engine on screen keeps turning as it was.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Exportergebnis e = BerichtSchreiben(pfad, k.m, k.sprache, a);
    QApplication::restoreOverrideCursor();
    if (!e.ok) k.plattform.Meldung(this, Q(e.meldung), Symbol::Ausruf);
}

} // namespace vapro
