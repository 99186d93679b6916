#pragma once
// What both print windows share: the page frame with its orientation
// buttons, the printer's resolution and page size, the apply and print
// buttons, and the print itself: apply, choose the printer, draw one page,
// report the outcome (3008 only when the page really went out, else 3009).
// Print settings are saved with the engine, so changing them counts as a
// change of the data set (without a recompute).

#include <QSize>
#include <functional>
#include <vector>

#include "ui/dialogs/Dialograhmen.h"

class QGridLayout;
class QGroupBox;
class QLabel;
class QPainter;
class QPrinter;
class QRadioButton;

namespace vapro {

// The whole sheet in printer pixels; print margins are shares of it.
QSize Seitenpixel(const QPrinter& drucker);

class Druckrahmen : public Dialograhmen {
  public:
    // Text numbers (k.T) of the page frame, its buttons, the printer frame
    // and its three captions.
    struct Texte {
        int seite, hoch, quer, drucker, auflösung, höhe, breite;
    };

    void WechselSprache() override;
    // The fields, the orientation and the printer's figures.
    void Einschreiben() override;
    void Übernehmen() override;

    void O_Hoch_Click();
    void O_Quer_Click();
    // Applies the fields, lets the user choose the printer and prints one
    // page; reports the outcome. Cancelling the printer chooser prints
    // nothing and says nothing.
    void K_Drucken_Click();

    QRadioButton* O_Hoch;
    QRadioButton* O_Quer;
    QLabel *A_Auflösung, *A_Höhe, *A_Breite;
    QPushButton* K_Drucken;

  protected:
    Druckrahmen(Kontext& k, const Rahmendaten& rahmen, Texte texte, QWidget* eltern);
    // The page frame, the rows of the window, the printer frame and the buttons.
    void Aufbauen(std::vector<Zeile> zeilen);
    // The page; false when the printer did not open or nothing could be drawn.
    virtual bool Drucken() = 0;
    // Opens the printer on the whole sheet and lets `zeichnen` draw on it
    // (page size in pixels, resolution in dpi); a drawing that throws
    // cancels the job. True when the page went out.
    bool AufSeiteZeichnen(const std::function<void(QPainter&, QSizeF, int)>& zeichnen);

  private:
    void DruckerAnzeigen();
    void Ausrichten(bool hoch);

    Texte texte_;
    QGroupBox *Fr_Seite, *Fr_Drucker;
    QLabel *T_Auflösung, *T_Höhe, *T_Breite;
};

} // namespace vapro
