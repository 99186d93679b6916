#pragma once
// The engine picture window: a backing image that the engine picture is drawn
// into at every step, blitted on paint. The main window forwards the frame's
// and the recomputation's picture calls here (`BildSkalieren` → `Skalierung`,
// `BildNeuzeichnen` → `Neuzeichnen`, `BildZeichnen` → `Zeichnen`).

#include <QImage>
#include <QWidget>
#include <functional>

#include "render/Maschinenbild.h"
#include "ui/Kontext.h"

class QAction;
class QMenu;

namespace vapro {

class F_Bild : public QWidget {
  public:
    explicit F_Bild(Kontext& k, QWidget* eltern = nullptr);

    // Fits the picture to the window's current size (model frame, port face).
    void Skalierung();
    // Starts the picture afresh: crank to 0°, extremes reset, solved and drawn.
    // Throws GeometrieFehler when the engine cannot be assembled at 0°.
    void Neuzeichnen();
    // Draws the engine at the solver's current position.
    void Zeichnen();
    void Löschen();
    void WechselSprache();
    // Gives the window the picture background colour.
    void MZ();

    const QImage& Bildpuffer() const { return puffer_; }
    const Maschinenbild& Bild() const { return bild_; }

    // Set by the main window.
    std::function<void()> beimSchließen;       // untick the menu entry, close the layout dialog
    std::function<void()> einstellungenÖffnen; // the picture layout dialog
    std::function<void()> druckenÖffnen;       // the print dialog; the entry is off while empty

    // Pop-up menu of the right mouse button.
    QMenu* M_Click = nullptr;
    QAction* M_Infotext = nullptr;
    QAction* M_Einstellungen = nullptr;
    QAction* M_Drucken = nullptr;
    QAction* M_Exportieren = nullptr;
    QAction* M_Hintergrundfarbe = nullptr;

    // The picture at the engine's current position to a PNG, SVG or PDF file.
    void M_Exportieren_Click();

  protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    void PufferAnpassen();
    // Backing image and picture fitted to the window's size, then redrawn.
    void Anpassen();
    void LageSpeichern();
    void MenüEinrichten();
    void HintergrundfarbeWählen();
    void Fehler(const std::exception& e);

    Kontext& k_;
    Maschinenbild bild_;
    QImage puffer_;
    bool bildschirmVerbunden_ = false;
};

} // namespace vapro
