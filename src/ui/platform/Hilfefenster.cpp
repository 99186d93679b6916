#include "ui/platform/Hilfefenster.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "core/persist/Hilfedatei.h"
#include "core/persist/Start.h"
#include "ui/Kontext.h"
#include "ui/platform/Fensterlage.h"

namespace vapro {

namespace {

constexpr auto LinkSchema = "hilfethema";

bool Englisch(const Kontext& k) {
    return k.sprache.Sprachbasis == SprachbasisEnglisch;
}

// Paragraphs at blank lines, line breaks kept inside a paragraph.
QString Absätze(const std::string& text) {
    QString html;
    for (const QString& absatz : Q(text).split(QStringLiteral("\n\n"), Qt::SkipEmptyParts))
        html +=
            "<p>" + absatz.trimmed().toHtmlEscaped().replace('\n', QStringLiteral("<br>")) + "</p>";
    return html;
}

QString ThemaHtml(const Hilfethema& t) {
    return "<h2>" + Q(t.Titel).toHtmlEscaped() + "</h2>" + Absätze(t.Text);
}

QString Verzeichnis(const std::vector<Hilfethema>& themen, bool englisch) {
    QString html = QStringLiteral("<hr><p><b>") + (englisch ? "Topics" : "Themen") + "</b><br>";
    for (const Hilfethema& t : themen)
        html += QStringLiteral("<a href=\"%1:%2\">%3</a><br>")
                    .arg(LinkSchema)
                    .arg(t.Nummer)
                    .arg(Q(t.Titel).toHtmlEscaped());
    return html + "</p>";
}

} // namespace

QString AktuelleHilfedatei(const Kontext& k) {
    return Q(HilfePfad(k.zustand, k.sprache));
}

QString Kurzhilfe(const Kontext& k, int kontext) {
    const auto themen = HilfedateiLesen(AktuelleHilfedatei(k).toStdString());
    const Hilfethema* t = themen ? HilfethemaSuchen(*themen, kontext) : nullptr;
    return t ? "<b>" + Q(t->Titel).toHtmlEscaped() + "</b>" + Absätze(t->Text) : QString();
}

Hilfefenster::Hilfefenster(const Kontext& k, QWidget* eltern)
    : QWidget(eltern, Qt::Window), k_(k), browser_(new QTextBrowser(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    browser_->setOpenLinks(false);
    QObject::connect(browser_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        bool zahl = false;
        const int nummer = url.path().toInt(&zahl);
        if (url.scheme() == LinkSchema && zahl) ThemaLaden(pfad_, nummer);
    });
    resize(560, 460);
}

void Hilfefenster::Zeigen(int kontext) {
    ThemaLaden(AktuelleHilfedatei(k_), kontext);
    // Each opening beside the main window and wholly on the screen; an open
    // window stays where the user put it.
    if (!isVisible()) NebenHauptfenster(*this);
    show();
    raise();
    activateWindow();
}

void Hilfefenster::ThemaLaden(const QString& pfad, int kontext) {
    const bool englisch = Englisch(k_);
    pfad_ = pfad;
    thema_ = 0;
    const QString programm = QStringLiteral("Zelto Vapro");
    const auto themen = HilfedateiLesen(pfad.toStdString());
    if (!themen) {
        setWindowTitle(programm);
        browser_->setHtml(
            "<p>" +
            (englisch
                 ? QStringLiteral("The help file could not be found or read:")
                 : QStringLiteral("Die Hilfedatei wurde nicht gefunden oder ist nicht lesbar:")) +
            "</p><p><tt>" + pfad.toHtmlEscaped() + "</tt></p>");
        return;
    }
    const Hilfethema* t = HilfethemaSuchen(*themen, kontext);
    QString html;
    if (t) {
        thema_ = kontext;
        setWindowTitle(Q(t->Titel) + " - " + programm);
        html = ThemaHtml(*t);
    } else {
        setWindowTitle(programm);
        html = "<p>" +
               (englisch ? QStringLiteral("The help file has no topic %1.")
                         : QStringLiteral("Die Hilfedatei enthält kein Thema %1."))
                   .arg(kontext) +
               "</p>";
    }
    browser_->setHtml(html + Verzeichnis(*themen, englisch));
}

void HilfeAnschließen(QtPlattform& plattform, Hilfefenster& fenster) {
    plattform.hilfeZeigen = [&fenster](int kontext) { fenster.Zeigen(kontext); };
}

} // namespace vapro
