#pragma once

#include "ui/widgets/MainWidgets.h"

#include "core/state/Field.h"

#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <vector>

class QEvent;
class QRadioButton;
class DisplayHost;
class StaticText;
struct DisplayParts;

// Selecting a field (the light/dark target), the radio buttons of separate
// adjustment, and the highlighted value text with its copy pop-up.
class FieldSelection : public QObject
{
    Q_OBJECT

public:
    // The widgets this part draws or reads; no others.
    struct Widgets {
        ValueRowWidgets& values;
        FieldChoiceWidgets& choice;
        FieldWidgets& fields;
        FurnitureWidgets& furniture;
    };

    FieldSelection(DisplayHost& host, Widgets widgets, DisplayParts& parts);
    void connectWidgets();

    // Selection operations, also used by the program.
    void Anzeige_NormalClick2();
    void KleinRechtsClick2();
    void KleinLinksClick2();
    void KleinMitteClick2();

    // Click handlers of the panels.
    void Anzeige_NormalClick();
    void KleinRechtsClick();
    void KleinLinksClick();
    void KleinMitteClick();
    void FixedLinksClick();
    // Makes a fixed half the edited one, also where its background takes no click
    // (a colour row): opening a file, copying, printing and the preview visit both
    // halves whatever their mode.
    void editHalf(bool left);
    void FixedLinksKleinRechtsClick();
    void FixedLinksKleinLinksClick();
    void FixedLinksKleinMitteClick();

    // Separate adjustment: only this field takes part, and the light/dark field works on it.
    void takePart(Field field);
    // A press on the bare background of these panels ends a value text's highlight.
    void watchBackgrounds(const std::vector<QWidget*>& panels);
    // Text of the value label last clicked; the value pop-up copies it.
    const QString& kopierWert() const { return m_kopierWert; }
    // Separate adjustment's radio buttons: usable or greyed.
    void enableChoice(bool enabled);
    // The field's button checked and the others not, as a click does (their handlers run).
    void checkChoice(Field field);
    // The buttons as the state has them: its choice marked, usable in separate adjustment.
    void showChoice();
    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton3Click();
    void RadioButton4Click();

    void StaticTextMouseDown(StaticText* text);
    void Kopieren1aExecute();
    void FormMouseDown();

    // The selection operation of one field.
    void pick(Field field);
    // Each of the fields once, then the last: the light/dark field shows only the last.
    void selectInTurn(const std::vector<Field>& fields, Field last);
    // Separate adjustment's radio button of a field.
    QRadioButton* radioButton(Field field) const;
    // The status text of the state's selected field.
    void showSelection();
    // Runs the click bound to a field as a click on it would.
    void triggerClick(const QWidget* field);

protected:
    // Field clicks, and mouse presses on the window's background panels.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A click on a field belongs to that field alone: it does not travel on to
    // the field it lies on. A field without a handler swallows its clicks.
    void bindClick(QWidget* field, std::function<void()> handler);
    bool fieldClick(QWidget* field, QEvent* event);
    bool backgroundPress(QWidget* panel, QEvent* event);
    void connectFieldClicks();
    void connectFixedClicks();
    void connectRadioButtons();
    void connectValueTexts();

    void choose(Field field);
    void writeStatusText(Field field);

    DisplayHost& m_host;
    QString m_kopierWert;

    Widgets m_w;
    DisplayParts& m_parts;
    std::map<const QObject*, std::function<void()>> m_klicks;
    std::map<const QObject*, bool> m_hintergruende;
    const QObject* m_gedrueckt = nullptr;
    bool m_radioWarAn = false; // the pressed radio button was checked before the press
};
