#pragma once
// A platform for tests: records every message and answers questions and
// choosers from prepared replies, so no test blocks on a modal window.

#include <QStringList>
#include <deque>
#include <optional>

#include "platform/Plattform.h"

namespace vapro::test {

struct Aufzeichner : Plattform {
    struct Nachricht {
        QString text;
        Symbol symbol;
        QString titel;
    };
    std::vector<Nachricht> meldungen;
    std::vector<QString> fragen;
    std::vector<int> hilfen;
    bool antwortJa = true;
    std::deque<std::optional<QColor>> farben;  // replies of the colour chooser
    std::deque<QString> dateien;   // replies of the file choosers; empty = cancel

    void Meldung(QWidget*, const QString& text, Symbol symbol, const QString& titel) override {
        meldungen.push_back({text, symbol, titel});
    }
    bool JaNein(QWidget*, const QString& text, const QString&) override {
        fragen.push_back(text);
        return antwortJa;
    }
    std::optional<QColor> FarbeWählen(QWidget*, const QColor&) override {
        if (farben.empty()) return std::nullopt;
        const std::optional<QColor> f = farben.front();
        farben.pop_front();
        return f;
    }
    std::optional<QString> DateiÖffnen(QWidget*, const QString&, const QString&) override {
        return Datei();
    }
    std::optional<QString> DateiSpeichern(QWidget*, const QString&, const QString&) override {
        return Datei();
    }
    void Hilfe(int kontext) override { hilfen.push_back(kontext); }

private:
    std::optional<QString> Datei() {
        if (dateien.empty()) return std::nullopt;
        const QString d = dateien.front();
        dateien.pop_front();
        if (d.isEmpty()) return std::nullopt;
        return d;
    }
};

}  // namespace vapro::test
