#pragma once
// The rows of a dialog, declared once. The frame builds the controls from
// them, captions them in the current language, fills them from the model and
// stores them back in the order declared. What a field is (its type, its
// label text) comes from the field table, so a row names only what is
// particular to the dialog: its unit label and its repair rule.

#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

#include "core/model/Felder.h"

class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace vapro {

class Dialograhmen;

// What happens to a number between reading its field and storing it.
class Reparatur {
  public:
    // Gets the number read and the model (fields before this one already
    // stored, so a rule may compare with them or adjust them); returns the
    // value to store, or throws Eingabefehler to reject the entry.
    using Regel = std::function<double(double wert, Modell& m)>;

    Reparatur() = default; // taken as it is
    Reparatur(Regel regel) : regel_(std::move(regel)) {}

    // Limited to min ... max.
    static Reparatur Bereich(double min, double max);
    // A value <= grenze is rejected.
    static Reparatur AbweisenBis(double grenze);

    double operator()(double wert, Modell& m) const { return regel_ ? regel_(wert, m) : wert; }

  private:
    Regel regel_;
};

// The label right of a field: none, the current length or volume unit, or fixed.
enum class Schild : uint8_t { Keines, Länge, Volumen, Prozent, Pixel, Grad };

// How a read-out shows its number: the general format, or a volume held in
// cubic length units as cm³ with one decimal (mm) or cubic inches with two.
enum class Muster : uint8_t { Allgemein, Volumen };

struct Zeile {
    enum class Art : uint8_t { Eingabe, Kästchen, Anzeige, Überschrift, Gruppe, GruppeEnde };
    using Wert = std::function<double(const Modell& m)>;
    Art art = Art::Eingabe;
    FeldOrt feld{};
    // Caption, German text number; 0 = the field's own label from the table.
    int text = 0;
    Schild schild = Schild::Keines;
    Reparatur reparatur{};
    Wert wert{};
    Muster muster = Muster::Allgemein;

    // An edit field with its caption; whole numbers for 16-bit fields, the
    // general number format otherwise.
    static Zeile Eingabe(FeldOrt feld, Schild schild = Schild::Keines, Reparatur r = {},
                         int text = 0) {
        return {Art::Eingabe, feld, text, schild, std::move(r)};
    }
    // A 1/0 check box; a click applies the whole dialog.
    static Zeile Kästchen(FeldOrt feld, int text = 0) { return {Art::Kästchen, feld, text}; }
    // A computed value (TE_), recomputed at every filling.
    static Zeile Anzeige(int text, Wert wert, Muster muster, Schild schild) {
        return {Art::Anzeige, {}, text, schild, {}, std::move(wert), muster};
    }
    static Zeile Überschrift(int text) { return {Art::Überschrift, {}, text}; }
    // The following rows, up to GruppeEnde, in a titled frame.
    static Zeile Gruppe(int text) { return {Art::Gruppe, {}, text}; }
    static Zeile GruppeEnde() { return {Art::GruppeEnde}; }
};

class Formular {
  public:
    // Builds the controls into the free rows below what `raster` holds, in
    // the order of the rows, which is the tab order too.
    Formular(Dialograhmen& rahmen, std::vector<Zeile> zeilen, QGridLayout* raster);

    // Captions from the text table.
    void WechselSprache();
    // Model to fields and unit labels.
    void Einschreiben();
    // Fields to model in row order, each repaired and stored before the next
    // is read; throws Eingabefehler at the first bad one, the earlier ones
    // staying stored.
    void Übernehmen();

    // The controls of a field, nullptr when the form has none.
    QLineEdit* Eingabefeld(FeldOrt feld) const;
    QCheckBox* Kästchen(FeldOrt feld) const;
    QLabel* Beschriftung(FeldOrt feld) const;
    // Shows or hides a field's row: caption, control and unit label.
    void ZeileSichtbar(FeldOrt feld, bool sichtbar);
    // The read-outs in row order.
    std::vector<QLabel*> Anzeigen() const;
    std::vector<QCheckBox*> AlleKästchen() const;

  private:
    struct Element {
        Zeile zeile;
        const Feld* feld = nullptr;
        QLabel* titel = nullptr;    // caption of an edit field, or a heading
        QWidget* eingabe = nullptr; // edit field, check box or frame
        QLabel* schild = nullptr;
    };
    const Element* Suchen(FeldOrt feld) const;

    Dialograhmen& rahmen_;
    std::vector<Element> elemente_;
};

} // namespace vapro
