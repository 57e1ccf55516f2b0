// The floor of the window's start: a main window of the program's first size showing as
// many widgets of each kind as Tinctora's first window shows (6 menus in the bar, 2 submenus
// and 4 other menus holding 67 actions, a tool bar of 16 buttons, 30 coloured fields, 36 texts,
// 7 picture areas, 4 radio buttons, 3 boxes, 2 sliders, a button and a status bar) and
// nothing behind them: no pictures, no hidden widgets, nothing computed. Any start of a
// window with these widgets pays at least this. It reports its first paint the way
// bare_window does (scripts/measure-startup.sh).
#include "FirstPaintReport.h"
#include <QAction>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStatusBar>
#include <QToolBar>

namespace
{

void fillMenus(QMainWindow& window)
{
    // 6 menus in the bar, 2 submenus and 4 menus that pop up elsewhere, holding 67 actions,
    // as the program's window has them.
    QList<QMenu*> menus;
    for (int m = 0; m < 6; ++m)
        menus << window.menuBar()->addMenu(QStringLiteral("&Menu %1").arg(m));
    for (int m = 0; m < 2; ++m)
        menus << menus[m]->addMenu(QStringLiteral("Submenu %1").arg(m));
    for (int m = 0; m < 4; ++m)
        menus << new QMenu(&window);
    for (int made = 0; made < 67; ++made) {
        QMenu* menu = menus[made % menus.size()];
        QAction* action = menu->addAction(QStringLiteral("Action %1").arg(made));
        if (made < 30)
            action->setShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_A + made % 26)));
        if (made % 9 == 4)
            menu->addSeparator();
    }
}

void fillToolBar(QMainWindow& window)
{
    QToolBar* bar = window.addToolBar(QStringLiteral("Tools"));
    QPixmap picture(24, 24);
    picture.fill(Qt::darkGray);
    const QIcon icon(picture);
    for (int i = 0; i < 16; ++i) {
        bar->addAction(icon, QStringLiteral("Tool %1").arg(i));
        if (i % 4 == 3 && i < 15)
            bar->addSeparator();
    }
}

void fillCentre(QWidget& centre)
{
    int x = 8, y = 8;
    const auto place = [&](QWidget* w, int width, int height) {
        if (x + width > 960) {
            x = 8;
            y += 44;
        }
        w->setGeometry(x, y, width, height);
        x += width + 6;
    };
    for (int i = 0; i < 30; ++i) { // the coloured fields
        auto* field = new QWidget(&centre);
        field->setAutoFillBackground(true);
        QPalette p = field->palette();
        p.setColor(QPalette::Window, QColor::fromHsv(i * 12, 200, 220));
        field->setPalette(p);
        place(field, 60, 36);
    }
    for (int i = 0; i < 36; ++i) // the value rows' texts and the other labels
        place(new QLabel(QStringLiteral("R: %1").arg(i * 7), &centre), 48, 16);
    for (int i = 0; i < 7; ++i) // the band, the light/dark field, the angle picture
        place(new QWidget(&centre), 90, 40);
    for (int i = 0; i < 4; ++i)
        place(new QRadioButton(QStringLiteral("Field %1").arg(i), &centre), 90, 20);
    for (int i = 0; i < 3; ++i) {
        auto* box = new QComboBox(&centre);
        box->addItems({QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")});
        place(box, 120, 24);
    }
    for (int i = 0; i < 2; ++i)
        place(new QSlider(Qt::Horizontal, &centre), 120, 20);
    place(new QPushButton(QStringLiteral("Interm. Values"), &centre), 110, 26);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    FirstPaintReport<QMainWindow> window;
    fillMenus(window);
    fillToolBar(window);
    auto* centre = new QWidget;
    fillCentre(*centre);
    window.setCentralWidget(centre);
    window.statusBar()->addWidget(new QLabel(QStringLiteral("Status")));
    window.resize(988, 728);
    window.show();
    return QApplication::exec();
}
