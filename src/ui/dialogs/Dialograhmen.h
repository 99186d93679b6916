#pragma once
// What every input window shares: a modeless window that remembers its place
// (beside the main window the first time), moves through its controls with
// the cursor keys, applies the whole window on Enter, closes on Escape, lets no letters into its
// number fields, reports bad input and impossible geometry, and offers help and a background colour
// on the right mouse button. A dialog derives from it and declares its rows once (FormularAnlegen):
// the frame then captions, fills and applies them. What the rows do not cover, a dialog adds in
// WechselSprache, Einschreiben and Übernehmen, calling the frame's versions.

#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/Kontext.h"
#include "ui/dialogs/Formular.h"

class QAction;
class QCheckBox;
class QGridLayout;
class QKeyEvent;
class QLineEdit;
class QMenu;
class QPushButton;

namespace vapro {

class GeometrieFehler;

// Thrown by the field readers when a text is not a number of the kind the
// field holds, and by a dialog rule that rejects a value outright.
class Eingabefehler : public std::runtime_error {
  public:
    Eingabefehler() : std::runtime_error("input error") {}
};

// What tells one dialog from another in the frame's behaviour.
struct Rahmendaten {
    QString stamm;    // settings keys "<stamm> x" / "<stamm> y"
    int vorgabeTwips; // position without a main window beside it, x and y alike
    int titel;        // text of the window caption (German number - 1000)
    int hilfe;        // help context
    // The window's background colour in the model. A window whose colour
    // belongs to the user rather than to the engine has none: its colour is
    // kept in the settings ("<stamm> Farbe"), `vorgabeFarbe` until one is chosen.
    uint32_t Modell::*farbe;
    // Whether the refill and the recomputation still run after a rejected entry.
    bool weiterNachEingabefehler = false;
    // Whether applying recomputes the engine; settings of a view do not.
    bool neuberechnen = true;
    // A window whose size is kept ("<stamm> Breite" / "<stamm> Höhe", twips):
    // its size when none is stored. 0 for a window that fits its controls.
    int vorgabeBreite = 0, vorgabeHöhe = 0;

    uint32_t vorgabeFarbe = 0xFFFFFF;

    bool GrößeBehalten() const { return vorgabeBreite > 0 && vorgabeHöhe > 0; }
};

class Dialograhmen : public QWidget {
  public:
    Dialograhmen(Kontext& k, Rahmendaten daten, QWidget* eltern = nullptr);

    // WechselSprache, MZ, Einschreiben, then the position. Runs by itself when
    // the window is first shown; call it to drive a window that is not shown.
    // Later calls do nothing.
    void Form_Load();
    // Stores the position (and a kept size); runs on every loss of activation.
    void Form_Deactivate();
    // Runs when the window is closed: stores the position, then beimSchließen.
    void Form_Unload();

    // Captions from the text table (those of the form here).
    virtual void WechselSprache();
    // Paints the window in its background colour.
    virtual void MZ();
    // Model to fields (the form's here).
    virtual void Einschreiben();
    // Fields to model in the dialog's order, each stored before the next is
    // read. Throws Eingabefehler at the first bad field (the earlier ones stay
    // stored) and may throw GeometrieFehler; Knopf_Übernehmen_Click reports both.
    // The form's fields here.
    virtual void Übernehmen();

    // A frame of the running engine, for a window registered to take steps:
    // it refreshes what the engine's new position or a change asks for.
    virtual void SchrittMalen() {}
    // A full redraw after the engine changed, for a window registered for it.
    virtual void Neuzeichnen() {}

    // Übernehmen, Einschreiben, then the recomputation under the dialog's
    // name where the window asks for one. Runs for the apply button and for
    // Enter in any control. True when every field was taken.
    bool Knopf_Übernehmen_Click();
    void M_Infotext_Click();
    // Colour chooser; Cancel changes nothing.
    void M_Hintergrundfarbe_Click();
    // The background colour, from the model or the settings.
    uint32_t Hintergrund() const;

    // Decimal separator of the number fields; the system's at construction.
    char Dezimalzeichen() const { return dezimal_; }
    void DezimalzeichenSetzen(char zeichen) { dezimal_ = zeichen; }

    const Rahmendaten& Daten() const { return daten_; }

    // The controls the form built for a field; nullptr when it has none.
    QLineEdit* E(FeldOrt feld) const { return formular_ ? formular_->Eingabefeld(feld) : nullptr; }
    QCheckBox* C(FeldOrt feld) const { return formular_ ? formular_->Kästchen(feld) : nullptr; }
    Formular* Form() const { return formular_.get(); }

    // Called when the window closes (menu tick, shown flag). The window
    // deletes itself when closed: create it with new, keep it in a QPointer.
    std::function<void()> beimSchließen;

    QMenu* M_Popup;
    QAction* M_Infotext;
    QAction* M_Hintergrundfarbe;
    QPushButton* Knopf_Übernehmen = nullptr;

  protected:
    // --- building controls (parent 0 = the window itself) ---
    // The dialog's rows, built into the free rows of `raster`. Once per dialog.
    Formular& FormularAnlegen(std::vector<Zeile> zeilen, QGridLayout* raster);
    // An edit field with the key rules; create controls in tab order.
    QLineEdit* Feld(QWidget* eltern = nullptr);
    // The apply button, connected to Knopf_Übernehmen_Click.
    QPushButton* KnopfÜbernehmenAnlegen(QWidget* eltern = nullptr);

    // --- model to fields ---
    // General number format with the user's decimal separator.
    void Zeigen(QLineEdit* feld, float wert) const;
    void Zeigen(QLineEdit* feld, int16_t wert) const;
    // 1/0 flags.
    static void Zeigen(QCheckBox* kästchen, int16_t wert);

    // --- fields to model (throw Eingabefehler) ---
    float LiesEinzel(const QLineEdit* feld) const;
    // A whole number for a 16-bit field, rounded halves to even; out of the
    // 16-bit range is bad input.
    int16_t LiesGanz(const QLineEdit* feld) const;
    static int16_t Wert(const QCheckBox* kästchen);
    // For a dialog rule that rejects a value outright.
    [[noreturn]] static void Abweisen() { throw Eingabefehler(); }

    // --- messages; a dialog with its own wording overrides them ---
    // The caption, two line breaks, "Falsche Eingabe!" and "Bitte erneut
    // versuchen." on two lines; exclamation icon.
    virtual void EingabefehlerMelden();
    virtual void GeometriefehlerMelden(const GeometrieFehler& fehler);

    // After the user chose a new background colour and MZ has run.
    virtual void FarbeGeändert() {}
    // Counts one change of the data set, as a recomputation does.
    void DatensatzGeändert();
    // A window serving several others shows the help of the one that called it.
    void HilfeSetzen(int kontext) { daten_.hilfe = kontext; }

    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void changeEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

    Kontext& k;

  private:
    // The form builds, fills and reads its controls with the helpers above.
    friend class Formular;

    // The keyboard rules; true when the key was used up.
    bool Taste(QObject* ziel, QKeyEvent* e);
    void TastenregelnAnbringen();

    Rahmendaten daten_;
    std::unique_ptr<Formular> formular_;
    char dezimal_;
    bool geladen_ = false;
    bool warVersteckt_ = false;
};

} // namespace vapro
