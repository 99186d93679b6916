// Zelto Vapro: start-up of the desktop program.
//
//   vapro [FILE.kmf]                      open a machine file
//   vapro --bild PATH [--groesse BxH]     render the default engine's picture to a PNG and exit
//   vapro --bildschirmfoto PATH [--nach S] run, save a screenshot after S seconds and exit

#include <QApplication>
#include <QScreen>
#include <QTimer>

#include "core/model/Bewegung.h"
#include "core/model/Standarddaten.h"
#include "ui/Kontext.h"
#include "ui/mainwindow/F_Haupt.h"
#include "ui/mainwindow/Programmstart.h"
#include "ui/platform/Dateiverknuepfung.h"
#include "ui/platform/Datenordner.h"
#include "ui/platform/Hilfefenster.h"
#include "ui/platform/QtEinstellungsspeicher.h"
#include "ui/views/F_Bild.h"

namespace {

struct Optionen {
    QString datei, bild, foto;
    QSize größe{1000, 800};
    int nach = 4;
};

Optionen OptionenLesen(const QStringList& argumente) {
    Optionen o;
    for (int i = 1; i < argumente.size(); ++i) {
        const QString& a = argumente[i];
        const bool wert = i + 1 < argumente.size();
        if (a == "--bild" && wert)
            o.bild = argumente[++i];
        else if (a == "--bildschirmfoto" && wert)
            o.foto = argumente[++i];
        else if (a == "--nach" && wert)
            o.nach = std::max(1, argumente[++i].toInt());
        else if (a == "--groesse" && wert) {
            const QStringList bh = argumente[++i].split('x');
            if (bh.size() == 2)
                o.größe = QSize(bh[0].toInt(), bh[1].toInt()).expandedTo({200, 160});
        } else
            o.datei = a; // the file the desktop hands over
    }
    return o;
}

} // namespace

int main(int argc, char** argv) {
    using namespace vapro;
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Zelto Vapro"));
    QApplication::setApplicationName(QStringLiteral("Zelto Vapro"));
    const Optionen optionen = OptionenLesen(QApplication::arguments());

    Modell m;
    Sprache sprache;
    Einheitennamen einheiten;
    Programmzustand zustand;
    QtPlattform plattform;
    QtEinstellungsspeicher speicher;
    Kontext k{m, sprache, einheiten, speicher, plattform, zustand};

    if (!optionen.bild.isEmpty()) {
        StandardmaschineEinrichten(m, "[mm]");
        DrehrichtungBestimmen(m);
        m.Winkel = 30;
        return MaschinenbildRendern(m, optionen.größe).save(optionen.bild) ? 0 : 1;
    }

    Hilfefenster hilfe(k);
    HilfeAnschließen(plattform, hilfe);
    const auto haupt = ProgrammStarten(k, optionen.datei, Datenordner(), [&] {
        DateiverknüpfungSchreiben(StandardVerknüpfungsorte(), plattform, sprache);
    });

    if (!optionen.foto.isEmpty()) {
        QTimer::singleShot(optionen.nach * 1000, &app, [&] {
            QScreen* schirm = QGuiApplication::primaryScreen();
            const bool ok = schirm && schirm->grabWindow(0).save(optionen.foto);
            QCoreApplication::exit(ok ? 0 : 1);
        });
    }
    return app.exec();
}
