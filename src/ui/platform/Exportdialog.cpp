#include "ui/platform/Exportdialog.h"

#include <QDir>
#include <QFileInfo>

#include "core/model/GeometrieFehler.h"

namespace vapro {

namespace {

// A name typed without an extension gets the one of the first type offered.
QString MitEndung(const QString& pfad, const QString& endung) {
    if (!QFileInfo(pfad).suffix().isEmpty()) return pfad;
    return pfad.endsWith('.') ? pfad + endung : pfad + '.' + endung;
}

bool Melden(QWidget* eltern, Kontext& k, const Exportergebnis& e) {
    if (!e.ok) k.plattform.Meldung(eltern, Q(e.meldung), Symbol::Ausruf);
    return e.ok;
}

} // namespace

QString ExportVorschlag(const Kontext& k, const QString& name) {
    if (k.zustand.Dateiname.empty()) return name;
    return QFileInfo(Q(k.zustand.Dateiname)).dir().filePath(name);
}

bool BildExportDialog(QWidget* eltern, Kontext& k, QSize bildschirm, const Maler& maler,
                      const QString& name) {
    const auto gewählt = k.plattform.DateiSpeichern(eltern, k.T(951), ExportVorschlag(k, name));
    if (!gewählt) return false;
    const QString pfad = MitEndung(*gewählt, QStringLiteral("png"));
    QSize größe = bildschirm;
    if (BildformatVon(pfad) == Bildformat::Png) {
        const auto g =
            k.plattform.BildgrößeWählen(eltern, bildschirm, k.T(955), k.T(318), k.T(317));
        if (!g) return false;
        größe = *g;
    }
    try {
        return Melden(eltern, k, BildExportieren(pfad, größe, maler, k.sprache));
    } catch (const GeometrieFehler&) {
        // The engine cannot be assembled: nothing was written.
        const std::string text = Meldungstext(
            k.sprache.Text(2004), {{"|1", k.sprache.Text(953)}, {"|2", "\n\n"}, {"|3", "\n"}});
        k.plattform.Meldung(eltern, Q(text), Symbol::Stopp);
        return false;
    }
}

bool CsvExportDialog(QWidget* eltern, Kontext& k, const std::function<std::string()>& inhalt,
                     const QString& name) {
    const auto gewählt = k.plattform.DateiSpeichern(eltern, k.T(952), ExportVorschlag(k, name));
    if (!gewählt) return false;
    const QString pfad = MitEndung(*gewählt, QStringLiteral("csv"));
    return Melden(eltern, k, TextExportieren(pfad, inhalt(), k.sprache));
}

} // namespace vapro
