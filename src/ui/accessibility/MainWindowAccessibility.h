#pragma once

#include <QObject>
#include <QString>

#include <map>

class ColourPanel;
class DisplayHost;
struct DisplayParts;
struct MainWidgets;
class QWidget;

// Names and values of the main window's drawn controls for screen readers:
// the colour fields, the band, the light/dark field, the angle picture and
// the angle track bars. Made once when the window is built, before it shows.
class MainWindowAccessibility : public QObject
{
public:
    MainWindowAccessibility(DisplayHost& host, MainWidgets& w, DisplayParts& parts, QObject* parent);

private:
    void describeFields();
    // A field's label: which field of which half the index stands for.
    using Label = QString (MainWindowAccessibility::*)(int) const;
    void describeField(ColourPanel* panel, Label label, int index, bool pressable);
    void describeChoice();
    void describeBand();
    void describeLightDark();
    void describeAngles();
    // After each change of the document: what now reads differently is announced.
    void follow();
    void announceIfChanged(QWidget* widget, bool withValue);

    QString fieldLabel(int field) const;     // 0 big, 1 left, 2 centre, 3 right
    QString leftHalfLabel(int field) const;  // the same fields in the fixed left half
    QString rightHalfLabel(int field) const; // and in the fixed right half
    QString rowLabel(int n) const;           // row panel 1..15
    QString rowLabelOf(int n, int stepCount) const;
    QString leftRowLabel(int n) const;
    QString rightRowLabel(int n) const;
    QString bandName() const;
    QString anglePictureName() const;

    DisplayHost& m_host;
    MainWidgets& m_w;
    DisplayParts& m_parts;
    std::map<QWidget*, QString> m_spoken; // what each followed widget last read as
};
