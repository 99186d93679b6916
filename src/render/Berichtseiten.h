#pragma once
// The page layout of the design report: writes headings, lines, tables and
// pictures down the page and starts the next page when one is full, with a
// footer on each.

#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <functional>
#include <vector>

#include "render/Bildexport.h"

class QPaintDevice;
class QPainter;

namespace vapro {

// A table: the cells row by row; the first `kopf` rows are its head, which
// is repeated on a new page. Column widths are shares of the page width;
// columns marked `links` are aligned left, the others right.
struct Berichtstabelle {
    std::vector<double> breiten;
    std::vector<bool> links;
    std::vector<std::vector<QString>> zeilen;
    int kopf = 0;
};

class Berichtsseiten {
  public:
    // `gerät`: the first page, whose size and resolution every page has;
    // `neueSeite` turns the painter to a fresh page. `fuß`: the text at the
    // foot of every page, before its number; `seitentext`: "Page |1";
    // `fehlertext`: "Cannot be computed: |1".
    Berichtsseiten(QPaintDevice& gerät, QPainter& p, std::function<bool()> neueSeite, QString fuß,
                   QString seitentext, QString fehlertext);

    void Titel(const QString& text);
    void Überschrift(const QString& text);
    void Zeile(const QString& text);
    void Tabelle(const Berichtstabelle& t);
    // A picture over the whole width, `höhe` high (less when the page has not
    // that much room left); a painter that fails leaves its reason instead.
    void Bild(const Maler& maler, double höhe);
    // Runs `teil`; when it throws GeometrieFehler, writes the reason instead.
    void Versuchen(const std::function<void()>& teil);

    void NeueSeite();
    // Writes the last page's foot; gives the number of pages.
    int Abschließen();

    double Breite() const { return breite_; }
    double Frei() const; // height left on this page
    double Zeilenhöhe() const;
    QFont Schrift() const { return schrift_; }
    // The measures of the report's font on its device, as the painters see them.
    QFontMetricsF Schriftmaße() const;

  private:
    void Platz(double höhe); // a new page unless `höhe` fits
    void Fuß();
    void Zellen(const std::vector<QString>& zellen, const Berichtstabelle& t, bool kopf);

    QPaintDevice& gerät_;
    QPainter& p_;
    std::function<bool()> neueSeite_;
    QString fuß_, seitentext_, fehlertext_;
    QFont schrift_;
    double breite_ = 0, höhe_ = 0, y_ = 0;
    int seite_ = 1;
    bool leer_ = true; // nothing on this page yet
};

} // namespace vapro
