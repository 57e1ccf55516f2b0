#pragma once

#include "core/colour/ManualInput.h"

#include <QDialog>

#include <array>
#include <functional>

class ColourPanel;
class LanguageTable;
class QLabel;
class QLineEdit;
class QPushButton;

// How the dialog reaches the main window.
struct InputAccess {
    // The hex value text of the field being edited, which the dialog starts from.
    std::function<QString()> fieldHex;
    // OK with valid values, before the colour is applied.
    std::function<void()> acceptValues;
    // Finds the typed colour's hit on the band and in the light/dark field.
    std::function<void(const InputMatch&)> applyChange;
    // OK has ended: the typed colour no longer stands in for the band's.
    std::function<void()> finish;
    std::function<void()> cancel;
    std::function<void()> help;
};

// The manual input dialog: a colour typed as R, G, B or as a hex text, shown
// as a preview and, on OK, found on the luminous band and applied. Created on
// first use and kept, so the last entry stays.
class TfEingabe : public QDialog
{
    Q_OBJECT

public:
    TfEingabe(const LanguageTable& t, InputAccess dialogAccess, QWidget* parent = nullptr);

    Rgb input() const { return {eingabeR, eingabeG, eingabeB}; }
    bool eingabeGueltig = false;

    void FormShow();
    void OKBtnClick();
    void Button2Click();
    void Button1Click();
    void BitBtn1Click();
    // The hex field's key release; the pipette hands its colour over through it.
    void Edit4KeyUp();
    // Replaces the system colour dialog (tests): returns the chosen colour or an invalid one.
    void setColourChooser(std::function<QColor(QWidget*, const QColor&)> choice)
    {
        m_farbAuswahl = std::move(choice);
    }

    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QLabel* Label5 = nullptr;
    ColourPanel* Panel2 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    void FormCreate();
    QLineEdit* numberField(const QString& name, int x, int y);
    int channelIndex(const QObject* field) const;
    bool decimalEvent(QLineEdit* field, QEvent* event);
    bool hexEvent(QEvent* event);
    void decimalKeyUp(QLineEdit* field);
    void decimalChange(QLineEdit* field);
    void Edit4Change();
    bool checkInteger(QLineEdit* field);
    bool checkHexWithMessage();
    void konvertHexToRGB();
    void WerteAufnehmen();
    void hexFromInput();

    const LanguageTable& m_t;
    InputAccess m_zugang;
    std::function<QColor(QWidget*, const QColor&)> m_farbAuswahl;
    int eingabeR = 0, eingabeG = 0, eingabeB = 0;
    bool tasteUeberspringen = false;
    bool hexGeladen = false;
    bool hexAusloesen = false;
    std::array<bool, 3> triggerChannel{}; // rAusloesen, gAusloesen, bAusloesen
    bool okGedrueckt = false;
    QString m_gemeldet; // the hex text whose message was last shown
};
