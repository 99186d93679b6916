#pragma once
// Printing the engine picture: page orientation, page margins, the line
// widths and joint sizes of the printed drawing, and what the printer
// offers. The page is drawn during one frame of the engine, so it shows the
// engine where the animation stands.

#include "ui/print/Druckrahmen.h"

class QPrinter;

namespace vapro {

class F_BildDruck : public Druckrahmen {
  public:
    explicit F_BildDruck(Kontext& k, QWidget* eltern = nullptr);

    void WechselSprache() override;
    // The page of the running print job: called by the frame while
    // `DruckenAktiv` is set.
    void SeiteDrucken();

  protected:
    // Prints the engine during one frame, so the page shows it where the
    // animation stands.
    bool Drucken() override;

  private:
    enum class Ausgang { KeineSeite, Gedruckt, Fehler };
    Ausgang ausgang_ = Ausgang::KeineSeite;
};

// The main window's printer properties: resolution, page width and height
// on three lines (message text).
QString Druckereigenschaften(const Kontext& k, const QPrinter& drucker);

} // namespace vapro
