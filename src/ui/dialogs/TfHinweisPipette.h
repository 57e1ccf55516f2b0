#pragma once

#include <QDialog>

class LanguageTable;
class QCheckBox;
class QPushButton;
class QTimer;
struct HeldPreferences;

// The pipette's key hints, with the switch that turns them off for good.
class TfHinweisPipette : public QDialog
{
    Q_OBJECT

public:
    TfHinweisPipette(const LanguageTable& textSet, HeldPreferences& prefs, QTimer& pipetteTimer,
                     QWidget* parent);

    QCheckBox* CheckBox1 = nullptr;
    QPushButton* Button1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    const LanguageTable& m_texte;
    HeldPreferences& m_prefs;
    QTimer& m_timer;
};
