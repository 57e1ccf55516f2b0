#pragma once

#include "core/tools/WebSafeSteps.h"

#include <QDialog>
#include <QSlider>

#include <array>

class ColourPanel;
class DisplayHost;
class QLabel;
class QPushButton;
class StaticText;

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
    TOKBottomDlg1(DisplayHost& host, QWidget* parent = nullptr);

    void Button1Click();
    void Button2Click();
    // Help: the page "::HTML\page06.htm" of the help file.
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
    struct FeldQuelle {
        ColourPanel* panel;
        std::array<StaticText*, 3> rgb;
        StaticText* hex;
    };
    void bauen();
    int wertSpalteVerschiebung() const;
    void FormCreate();
    FeldQuelle quelle(Feld feld) const;
    bool inUse(Feld feld) const;
    void feldLaden();
    void umrechnen();
    void umrechnenKanal(std::size_t kanal);
    void trackBarChange(std::size_t kanal, int p);
    void vorschlagFaerben();

    DisplayHost& m_host;
    Feld m_feld = Feld::gross;
    std::array<int, 3> m_wert{};
    std::array<int, 3> m_stufe{2, 2, 2};
    std::array<int, 3> m_vorschlag{};
};
