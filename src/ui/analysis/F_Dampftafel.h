#pragma once
// A saturated-steam table shown as its file lays it out: the SI table
// ("Dampftafel SI.txt") or the US table ("Dampftafel US.txt", Marks & Davis),
// the two windows differing only in file, captions, keys, help and colour.
// The file is read through the program's one store, which the operating
// figures look their steam data up in too.

#include <QString>

#include "core/analysis/Dampftafel.h"
#include "ui/dialogs/Dialograhmen.h"

class QTableWidget;

namespace vapro {

class F_Dampftafel : public Dialograhmen {
  public:
    F_Dampftafel(Kontext& k, Dampftafelart art, QWidget* eltern = nullptr);

    void WechselSprache() override;
    // Fills the grid at the first call (the window's loading); the table is
    // not read again while the window stays. A table that cannot be read
    // keeps the rows read before the fault and shows message 3007 once.
    void Einschreiben() override;

    Dampftafelart Art() const { return art_; }
    // Rows and columns of the file's grid (column 0 is the empty margin),
    // and the text of cell (r, c) as shown; the fixed rows stand in the
    // grid's header, so that they stay in view while the rows scroll.
    int Zeilen() const { return zeilen_; }
    int Spalten() const { return spalten_; }
    int FesteZeilen() const { return festeZeilen_; }
    QString Zelle(int zeile, int spalte) const;

    QTableWidget* G_Dampftafel;

  protected:
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    void Füllen(const Dampftafel& tafel);

    Dampftafelart art_;
    bool gefüllt_ = false;
    int zeilen_ = 0, spalten_ = 0, festeZeilen_ = 0;
};

} // namespace vapro
