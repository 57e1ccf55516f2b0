#pragma once

#include <array>
#include <vector>

class ColourPanel;
class PictureBox;
class StaticText;
class QAction;
class QComboBox;
class QLabel;
class QMainWindow;
class QMenu;
class QPushButton;
class QRadioButton;
class QSlider;
class QStatusBar;
class QTextEdit;
class QTimer;
class QWidget;

// The window's regions and the background brightness box; the layout places them.
struct RegionWidgets {
    ColourPanel* centralArea = nullptr;      // the window's client area
    ColourPanel* panelHintergrund = nullptr; // left part: band, value rows, display
    ColourPanel* Panel14 = nullptr;          // top strip: band, upper value row, ComboPanel
    ColourPanel* Panel15 = nullptr;          // bottom strip: lower value row, ComboBox2
    ColourPanel* panelBG = nullptr;          // right column: light/dark field, angle box
    QComboBox* ComboBox2 = nullptr;          // background brightness
};

// The colour band, its two pictures and the position markers above and below it.
struct BandWidgets {
    ColourPanel* Farbband = nullptr;
    ColourPanel* Panel3 = nullptr;   // frame of both band pictures
    ColourPanel* Panel2 = nullptr;   // stands in for the hidden band
    PictureBox* Image1 = nullptr;    // luminous band
    PictureBox* Image2 = nullptr;    // realistic band
    PictureBox* PaintBox1 = nullptr; // position marker above the band
    PictureBox* PaintBox2 = nullptr; // position marker below the band
};

// The two value rows: swatches and R, G, B, hex texts of each field.
struct ValueRowWidgets {
    ColourPanel* WerteOben = nullptr;
    ColourPanel* WerteUnten = nullptr;
    ColourPanel* Panel4 = nullptr; // swatches, upper row: big, left, centre, right
    ColourPanel* Panel5 = nullptr;
    ColourPanel* Panel6 = nullptr;
    ColourPanel* Panel7 = nullptr;
    ColourPanel* Panel8 = nullptr; // swatches, lower row: big, left, centre, right
    ColourPanel* Panel9 = nullptr;
    ColourPanel* Panel10 = nullptr;
    ColourPanel* Panel11 = nullptr;
    StaticText *SGrObR = nullptr, *SGrObG = nullptr, *SGrObB = nullptr, *SGrObHex = nullptr;
    StaticText *SKlObLiR = nullptr, *SKlObLiG = nullptr, *SKlObLiB = nullptr, *SKlObLiHex = nullptr;
    StaticText *SKlObMiR = nullptr, *SKlObMiG = nullptr, *SKlObMiB = nullptr, *SKlObMiHex = nullptr;
    StaticText *SKlObR = nullptr, *SKlObG = nullptr, *SKlObB = nullptr, *SKlObHex = nullptr;
    StaticText *SGrUnR = nullptr, *SGrUnG = nullptr, *SGrUnB = nullptr, *SGrUnHex = nullptr;
    StaticText *SKlUnLiR = nullptr, *SKlUnLiG = nullptr, *SKlUnLiB = nullptr, *SKlUnLiHex = nullptr;
    StaticText *SKlUnMiR = nullptr, *SKlUnMiG = nullptr, *SKlUnMiB = nullptr, *SKlUnMiHex = nullptr;
    StaticText *SKlUnR = nullptr, *SKlUnG = nullptr, *SKlUnB = nullptr, *SKlUnHex = nullptr;

    // The 32 value texts, upper row first, each row big, left, centre, right
    // and each field R, G, B, hex.
    std::array<StaticText*, 32> valueTexts() const;
};

// Separate adjustment's radio buttons, one per field.
struct FieldChoiceWidgets {
    QRadioButton* RadioButton1 = nullptr; // big
    QRadioButton* RadioButton2 = nullptr; // small left
    QRadioButton* RadioButton3 = nullptr; // small centre
    QRadioButton* RadioButton4 = nullptr; // small right
};

// The number of row fields and the intermediate values button.
struct RowControlWidgets {
    ColourPanel* ComboPanel = nullptr;
    QComboBox* ComboBox1 = nullptr; // number of row fields
    QPushButton* Button1 = nullptr; // intermediate values
};

// The field display: the single display, the two fixed halves, the rows and the text view.
struct FieldWidgets {
    ColourPanel* Anzeige = nullptr;
    ColourPanel* Anzeige_Normal = nullptr;
    ColourPanel* KleinRechts = nullptr;
    ColourPanel* KleinLinks = nullptr;
    ColourPanel* KleinMitte = nullptr;
    ColourPanel* AnzeigeReihen = nullptr;
    std::array<ColourPanel*, 16> R{};
    ColourPanel* AnzeigeFixedReihen = nullptr;
    ColourPanel* FixedLinksReihen = nullptr;
    ColourPanel* FixedRechtsReihen = nullptr;
    std::array<ColourPanel*, 16> RLi{};
    std::array<ColourPanel*, 16> RRe{};
    ColourPanel* FixedLinks = nullptr;
    ColourPanel* FixedRechts = nullptr;
    ColourPanel* FixedKleinRechts = nullptr;
    ColourPanel* FixedKleinLinks = nullptr;
    ColourPanel* FixedKleinMitte = nullptr;
    ColourPanel* FixedLinksKleinRechts = nullptr;
    ColourPanel* FixedLinksKleinLinks = nullptr;
    ColourPanel* FixedLinksKleinMitte = nullptr;
    QTextEdit* RichEdit1 = nullptr;         // in KleinRechts
    QTextEdit* RichEdit2 = nullptr;         // in KleinLinks
    QTextEdit* RichEdit3 = nullptr;         // in KleinMitte
    QTextEdit* RichEdit4 = nullptr;         // in FixedLinksKleinRechts
    QTextEdit* RichEdit5 = nullptr;         // in FixedLinksKleinLinks
    QTextEdit* RichEdit6 = nullptr;         // in FixedLinksKleinMitte
    ColourPanel* PanelContainer1 = nullptr; // hidden
    ColourPanel* PanelContainer2 = nullptr; // parked panels live here

    // Every panel that a click on selects a field (they carry the field cursor).
    std::vector<QWidget*> clickableFields() const;
};

// The same-colour warning of a web-safe row, and its text.
struct WarningWidgets {
    ColourPanel* Panel1 = nullptr;
    QLabel* Label18 = nullptr;
};

// The light/dark field: its colour, overlay, cross-hair, frame and percentages.
struct LightDarkWidgets {
    ColourPanel* HellDunkelGrau = nullptr;
    ColourPanel* flaechenanzeigeFarbe = nullptr;
    PictureBox* Image3 = nullptr; // overlay picture
    ColourPanel* KreuzV = nullptr;
    ColourPanel* KreuzH = nullptr;
    ColourPanel* Image4 = nullptr; // frame lines: left, top, right, bottom
    ColourPanel* Image5 = nullptr;
    ColourPanel* Image6 = nullptr;
    ColourPanel* Image7 = nullptr;
    QLabel* Label1 = nullptr;        // light amount
    QLabel* Label2 = nullptr;        // dark amount
    PictureBox* PaintBox3 = nullptr; // receives the mouse
};

// The angle box: type, picture and the two track bars with their labels.
struct AngleWidgets {
    ColourPanel* Panel13 = nullptr;
    QComboBox* ComboBox3 = nullptr;
    PictureBox* ImageWW = nullptr;
    ColourPanel* Image8 = nullptr; // frame lines round ImageWW: left, right, top, bottom
    ColourPanel* Image9 = nullptr;
    ColourPanel* Image10 = nullptr;
    ColourPanel* Image11 = nullptr;
    QWidget* PaintBox5 = nullptr; // spacers of the angle box
    QWidget* PaintBox6 = nullptr;
    QSlider* TrackBar2 = nullptr;
    QSlider* TrackBar3 = nullptr;
    QLabel* WinkelO = nullptr;
    QLabel* WinkelU = nullptr;
};

// The legend of separate adjustment that lies over the angle track bars.
struct LegendWidgets {
    ColourPanel* Panel12 = nullptr; // legend of separate adjustment
    QLabel* Label11 = nullptr;      // big
    QLabel* Label12 = nullptr;      // small left
    QLabel* Label13 = nullptr;      // small centre
    QLabel* Label14 = nullptr;      // small right
    ColourPanel* Panel16 = nullptr; // legend swatches: big, left, centre, right
    ColourPanel* Panel17 = nullptr;
    ColourPanel* Panel18 = nullptr;
    ColourPanel* Panel19 = nullptr;
};

// Status bar, timer and the value texts' pop-up menu.
struct FurnitureWidgets {
    QStatusBar* StatusBar1 = nullptr;
    QLabel* statusPanel0 = nullptr; // mode
    QLabel* statusPanel1 = nullptr; // selected field
    QTimer* Timer2 = nullptr;
    QMenu* PopupMenu1a = nullptr;
    QAction* Kopieren1a = nullptr;
};

// Every control of the main window, by the name the routines use, in one group
// per view. The window owns them all (Qt parents); each also carries its name
// as objectName, so that the language switch finds it. Row panels are indexed 1..15.
struct MainWidgets {
    RegionWidgets regions;
    BandWidgets band;
    ValueRowWidgets values;
    FieldChoiceWidgets choice;
    RowControlWidgets rowControls;
    FieldWidgets fields;
    WarningWidgets warning;
    LightDarkWidgets lightDark;
    AngleWidgets angle;
    LegendWidgets legend;
    FurnitureWidgets furniture;
};

// Builds the whole widget tree on the window and fills `w`.
void buildMainWidgets(QMainWindow& form, MainWidgets& w);
// Design placement of the regions for the central area's size (the normal,
// scaling layout; the compact layout places them itself).
void placeRegions(MainWidgets& w);
