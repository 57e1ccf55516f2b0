#pragma once

#include "core/tools/WebSafeSteps.h"

#include <QDialog>
#include <QSlider>

#include <QColor>
#include <QString>

#include <array>
#include <functional>

class ColourPanel;
class LanguageTable;
class QLabel;
class QPushButton;

// A field of the edited half as its value row shows it.
struct WebFeldAnzeige {
    QColor farbe;
    std::array<QString, 3> rgb; // "-" for a field the mode does not use
};

// How the dialog reaches the main window: reading a field, writing an
// allocated colour into it, and opening its help page.
struct WebFeldZugang {
    std::function<WebFeldAnzeige(Feld)> lesen;
    std::function<void(Feld, const QColor&)> zuweisen;
    std::function<void()> hilfe;
};

// A level track bar that marks the stretch of levels giving distinct proposals.
class StufenRegler : public QSlider
{
    Q_OBJECT

public:
    explicit StufenRegler(QWidget* parent);
    void setAuswahl(StufenBereich bereich);
    StufenBereich auswahl() const { return m_auswahl; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    StufenBereich m_auswahl;
};

// The web-safe conversion dialog: one field at a time, a web-safe proposal
// shifted per channel, written back into the field by "Allocate". Created
// anew for each use.
class TOKBottomDlg1 : public QDialog
{
    Q_OBJECT

public:
    TOKBottomDlg1(const LanguageTable& t, WebFeldZugang zugang, QWidget* parent = nullptr);

    void Button1Click();
    void Button2Click();
    void Button4Click();
    Feld aktuellesFeld() const { return m_feld; }

    QLabel* Label4 = nullptr;
    std::array<QLabel*, 3> werte{};       // Label8..Label10
    std::array<QLabel*, 3> vorschlaege{}; // Label15..Label17
    ColourPanel* Panel1 = nullptr;
    ColourPanel* Panel2 = nullptr;
    std::array<StufenRegler*, 3> regler{}; // TrackBar1..TrackBar3
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void bauen();
    int wertSpalteVerschiebung() const;
    void FormCreate();
    bool inUse(Feld feld) const;
    void feldLaden();
    void umrechnen();
    void umrechnenKanal(std::size_t kanal);
    void trackBarChange(std::size_t kanal, int p);
    void vorschlagFaerben();

    const LanguageTable& m_t;
    WebFeldZugang m_zugang;
    Feld m_feld = Feld::gross;
    std::array<int, 3> m_wert{};
    std::array<int, 3> m_stufe{2, 2, 2};
    std::array<int, 3> m_vorschlag{};
};
