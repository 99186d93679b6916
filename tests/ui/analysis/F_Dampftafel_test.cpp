#include "ui/analysis/F_Dampftafel.h"

#include <QFile>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "core/model/Bewegung.h"
#include "tests/ui/Umgebung.h"
#include "ui/analysis/F_Betriebsparameter.h"
#include "ui/mainwindow/F_Haupt.h"

namespace vapro {
namespace {

// Both shipped tables as their windows show them, read once for the table
// window and the operating figures together.
TEST(Dampftafelfenster, ShowsTheFileRowsInBothUnitSystems) {
    struct Fall {
        Dampftafelart art;
        bool mm;
        const char* titel;
        int zeilen;
        // cells (row, column) of the headings, the first and the last row
        std::vector<std::tuple<int, int, const char*>> zellen;
    };
    const Fall fälle[] = {
        {Dampftafelart::SI,
         true,
         "Dampftafel SI",
         639,
         {{0, 1, "p"},
          {1, 1, "bar"},
          {1, 4, "m³/kg"},
          {2, 1, "0.050"},
          {2, 4, "28.18631"},
          {638, 1, "220.640"},
          {638, 10, "4.4120"}}},
        {Dampftafelart::US,
         false,
         "Dampftafel US (Marks & Davis Tables)",
         618,
         {{0, 6, "v''"}, {1, 1, "psia"}, {2, 1, "1.00"}, {2, 6, "333.5075"}, {617, 1, "3200.11"}}},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.titel);
        test::Umgebung u(f.mm);
        F_Betriebsparameter p(u.k);
        p.Form_Load(); // looks its steam data up in the table of its unit
        F_Dampftafel w(u.k, f.art);
        w.Form_Load();
        EXPECT_EQ(w.windowTitle(), QString::fromUtf8(f.titel));
        EXPECT_EQ(std::tuple(w.Zeilen(), w.Spalten(), w.FesteZeilen()),
                  std::tuple(f.zeilen, 11, 2));
        EXPECT_EQ(w.G_Dampftafel->rowCount(), f.zeilen - 2) << "headings stay in view";
        for (const auto& [r, c, text] : f.zellen)
            EXPECT_EQ(w.Zelle(r, c), QString::fromUtf8(text)) << r << ", " << c;
        EXPECT_EQ(u.k.dampftafeln.Lesevorgänge(), 1);
    }
}

// A missing file is reported once with its name, by whichever window meets
// it first; the operating figures go on without steam data and never report
// it again, in a step or on a refresh.
TEST(Dampftafelfenster, MissingFileIsReportedOnceWithItsName) {
    QTemporaryDir leer;
    test::Umgebung u;
    u.zustand.Programmpfad = leer.path().toStdString() + "/";
    Ansichten ansichten;
    u.k.ansichten = &ansichten;
    Neuberechnung(u.m, ansichten, Anlass::NeueDaten);

    F_Dampftafel w(u.k, Dampftafelart::SI);
    w.Form_Load();
    F_Betriebsparameter p(u.k);
    p.Form_Load();
    u.m.UmWinkel /= 2;
    GeometriestandErhöhen(u.m);
    p.SchrittMalen();
    p.Auffrischen();
    w.Einschreiben();

    const auto& meldungen = u.plattform.Meldungen();
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_TRUE(meldungen[0].text.startsWith(
        QString::fromUtf8("Fehler beim Laden der Dampftafel-Datei: '  Dampftafel SI.txt  '\n Bitte "
                          "erneut versuchen.")))
        << meldungen[0].text.toStdString();
    EXPECT_EQ(meldungen[0].symbol, Symbol::Stopp);
    EXPECT_EQ(w.Zeilen(), 0);
    EXPECT_TRUE(p.A_Sättigungstemperatur->text().isEmpty());
    EXPECT_FALSE(p.A_LeistungKW->text().isEmpty());
}

// A file asking for more fixed rows and columns than its grid has: the grid
// keeps one scrolling row and its margin column; N = 0 shows row 0 alone.
TEST(Dampftafelfenster, FixedRowsAndColumnsBeyondTheGridAreClamped) {
    QTemporaryDir ordner;
    QFile datei(ordner.filePath("Dampftafel SI.txt"));
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write("\"Klein\"\n\"Zeilen\",0\n\"Spalten\",2\n\"Fixiert\",7\n\"Fixiert\",9\n"
                "\"p\",1\n\"t\",0\n12.34,99.6\n");
    datei.close();
    test::Umgebung u;
    u.zustand.Programmpfad = ordner.path().toStdString();
    F_Dampftafel w(u.k, Dampftafelart::SI);
    w.Form_Load();
    EXPECT_EQ(std::tuple(w.Zeilen(), w.Spalten(), w.FesteZeilen()), std::tuple(1, 3, 0));
    EXPECT_EQ(w.G_Dampftafel->rowCount(), 1);
    EXPECT_EQ(std::tuple(w.Zelle(0, 1), w.Zelle(0, 2)),
              std::tuple(QString("12.3"), QString("100")));
}

} // namespace
} // namespace vapro
