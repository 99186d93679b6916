#pragma once
// Platform services the windows use: message boxes, colour and file choosers,
// the printer, help. The program uses the Qt implementation; tests install a recorder so
// that no test ever waits on a modal box.

#include <QColor>
#include <QSize>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class QPrinter;
class QWidget;

namespace vapro {

enum class Symbol { Keins, Information, Frage, Ausruf, Stopp };

// Answers to the question whether to save unsaved changes.
enum class Sichern { Speichern, Verwerfen, Abbrechen };

class Plattform {
  public:
    virtual ~Plattform() = default;
    // A message with an OK button; an empty title means the program's name.
    virtual void Meldung(QWidget* eltern, const QString& text, Symbol symbol,
                         const QString& titel = {}) = 0;
    // A Yes/No question; true for Yes.
    virtual bool JaNein(QWidget* eltern, const QString& text, const QString& titel) = 0;
    // Save / Discard / Cancel, with the captions of the three buttons in that
    // order; closing the box cancels.
    virtual Sichern SpeichernFragen(QWidget* eltern, const QString& text, const QString& titel,
                                    const std::array<QString, 3>& knöpfe) = 0;
    // Empty when the user cancels.
    virtual std::optional<QColor> FarbeWählen(QWidget* eltern, const QColor& anfang) = 0;
    // Filters in the "Text|*.kmf|Text|*.txt" form of the text table.
    virtual std::optional<QString> DateiÖffnen(QWidget* eltern, const QString& filter,
                                               const QString& anfang) = 0;
    virtual std::optional<QString> DateiSpeichern(QWidget* eltern, const QString& filter,
                                                  const QString& anfang) = 0;
    // Shows the help topic with this context number in the current language.
    virtual void Hilfe(int kontext) = 0;

    // The printer of the whole run: the printer chosen last, its paper and
    // orientation stay from one print to the next.
    virtual QPrinter& Drucker() = 0;
    // The printer chooser before a print job; false when the user cancels.
    virtual bool DruckerWählen(QWidget* eltern, QPrinter& drucker) = 0;
    // Width and height of a picture in pixels, `vorschlag` filled in; empty
    // when the user cancels. The texts caption the box and its two fields.
    virtual std::optional<QSize> BildgrößeWählen(QWidget* eltern, QSize vorschlag,
                                                 const QString& titel, const QString& breite,
                                                 const QString& höhe) = 0;
};

// The real thing, over QMessageBox, QColorDialog and QFileDialog.
class QtPlattform : public Plattform {
  public:
    QtPlattform();
    ~QtPlattform() override;
    void Meldung(QWidget* eltern, const QString& text, Symbol symbol,
                 const QString& titel = {}) override;
    bool JaNein(QWidget* eltern, const QString& text, const QString& titel) override;
    Sichern SpeichernFragen(QWidget* eltern, const QString& text, const QString& titel,
                            const std::array<QString, 3>& knöpfe) override;
    std::optional<QColor> FarbeWählen(QWidget* eltern, const QColor& anfang) override;
    std::optional<QString> DateiÖffnen(QWidget* eltern, const QString& filter,
                                       const QString& anfang) override;
    std::optional<QString> DateiSpeichern(QWidget* eltern, const QString& filter,
                                          const QString& anfang) override;
    void Hilfe(int kontext) override;
    QPrinter& Drucker() override;
    bool DruckerWählen(QWidget* eltern, QPrinter& drucker) override;
    std::optional<QSize> BildgrößeWählen(QWidget* eltern, QSize vorschlag, const QString& titel,
                                         const QString& breite, const QString& höhe) override;

    // Set by the application: shows a help topic (the help window).
    std::function<void(int)> hilfeZeigen;

  private:
    // Made at the first print: looking for printers may take a moment.
    std::unique_ptr<QPrinter> drucker_;
};

// "Name|*.kmf|Other|*.txt" as Qt's "Name (*.kmf);;Other (*.txt)".
QString QtFilter(const QString& filter);

} // namespace vapro
