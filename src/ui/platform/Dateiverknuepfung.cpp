#include "ui/platform/Dateiverknuepfung.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

#include "core/persist/Texte.h"
#include "ui/Kontext.h"
#include "ui/platform/Datenordner.h"
#include "ui/platform/Plattform.h"

namespace vapro {

namespace {

constexpr int TextRegFehler = 2011; // "error in writing the register file"

std::optional<QByteArray> Lesen(const QString& pfad) {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    return f.readAll();
}

bool Schreiben(const QString& pfad, const QByteArray& inhalt) {
    if (!QDir().mkpath(QFileInfo(pfad).absolutePath())) return false;
    QSaveFile f(pfad);
    if (!f.open(QIODevice::WriteOnly)) return false;
    if (f.write(inhalt) != inhalt.size()) return false;
    return f.commit();
}

// The template's Exec lines point at this program.
std::optional<QByteArray> DesktopEintrag(const QByteArray& vorlage, const QString& programm) {
    QList<QByteArray> zeilen = vorlage.split('\n');
    bool ersetzt = false;
    for (QByteArray& z : zeilen) {
        if (z.startsWith("Exec=")) {
            z = "Exec=" + ExecZeile(programm).toUtf8();
            ersetzt = true;
        }
    }
    if (!ersetzt) return std::nullopt;
    return zeilen.join('\n');
}

void Auffrischen(const QString& werkzeug, const QString& ordner) {
    const QString pfad = QStandardPaths::findExecutable(werkzeug);
    if (pfad.isEmpty()) return;
    QProcess p;
    p.start(pfad, {ordner});
    if (p.waitForStarted(5000)) p.waitForFinished(30000);
}

} // namespace

QString BenutzerDatenordner() {
    const QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg)) return xdg;
    return QDir::homePath() + "/.local/share";
}

Verknüpfungsorte StandardVerknüpfungsorte() {
    return {BenutzerDatenordner(), Datenordner(), QCoreApplication::applicationFilePath(), true};
}

QString ExecZeile(const QString& programm) {
    // Desktop-entry rules: '%' doubles; an argument with a reserved character
    // goes in double quotes with " ` $ \ escaped; then every backslash of the
    // value doubles once more as a string escape.
    static const QString reserviert = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    QString arg = programm;
    arg.replace('%', QStringLiteral("%%"));
    bool quoten = false;
    for (QChar c : arg)
        quoten = quoten || reserviert.contains(c);
    if (quoten) {
        QString q;
        for (QChar c : arg) {
            if (c == '"' || c == '`' || c == '$' || c == '\\') q += '\\';
            q += c;
        }
        arg = '"' + q + '"';
    }
    arg.replace('\\', QStringLiteral("\\\\"));
    return arg + QStringLiteral(" %f");
}

bool DateiverknüpfungSchreiben(const Verknüpfungsorte& orte, Plattform& plattform,
                               const Sprache& sprache, QWidget* eltern) {
    const QString anwendungen = orte.basis + "/applications";
    const QString mime = orte.basis + "/mime";
    const QString symbole = orte.basis + "/icons/hicolor/64x64";

    bool gut = true;
    const auto desktop = Lesen(orte.vorlagen + "/zelto-vapro.desktop");
    const auto eintrag = desktop ? DesktopEintrag(*desktop, orte.programm) : std::nullopt;
    gut = eintrag && Schreiben(anwendungen + "/zelto-vapro.desktop", *eintrag);

    const auto paket = Lesen(orte.vorlagen + "/zelto-vapro-mime.xml");
    gut = paket && Schreiben(mime + "/packages/zelto-vapro.xml", *paket) && gut;

    // One picture for the program and for its files.
    const auto symbol = Lesen(orte.vorlagen + "/vapro.png");
    gut = symbol && Schreiben(symbole + "/apps/zelto-vapro.png", *symbol) &&
          Schreiben(symbole + "/mimetypes/application-x-zelto-vapro.png", *symbol) && gut;

    if (orte.datenbankenAuffrischen) {
        Auffrischen(QStringLiteral("update-desktop-database"), anwendungen);
        Auffrischen(QStringLiteral("update-mime-database"), mime);
    }
    if (!gut) plattform.Meldung(eltern, Q(sprache.Text(TextRegFehler)), Symbol::Ausruf);
    return gut;
}

} // namespace vapro
