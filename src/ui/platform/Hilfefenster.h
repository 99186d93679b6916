#pragma once
// The help viewer: one window that shows a topic of the current language's
// help file by its context number, with a list of all topics to move on.
// A missing file or topic is reported inside the window.

#include <QString>
#include <QWidget>

class QTextBrowser;

namespace vapro {

struct Kontext;
class QtPlattform;

class Hilfefenster : public QWidget {
  public:
    explicit Hilfefenster(const Kontext& k, QWidget* eltern = nullptr);

    // Shows topic `kontext` of the current help file and brings the window up.
    void Zeigen(int kontext);
    // Fills the window with topic `kontext` of the help file at `pfad`.
    void ThemaLaden(const QString& pfad, int kontext);

    // The topic shown, 0 when none could be shown.
    int Thema() const { return thema_; }
    QTextBrowser& Browser() const { return *browser_; }

  private:
    const Kontext& k_;
    QTextBrowser* browser_;
    QString pfad_;
    int thema_ = 0;
};

// The help file of the current language (help folder + file name).
QString AktuelleHilfedatei(const Kontext& k);

// Title and text of a topic as rich text, e.g. for a control's "what's this"
// text; empty when the file or the topic is missing.
QString Kurzhilfe(const Kontext& k, int kontext);

// Lets the platform's help call open this window.
void HilfeAnschließen(QtPlattform& plattform, Hilfefenster& fenster);

} // namespace vapro
