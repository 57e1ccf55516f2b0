#include "ui/layout/ScreenFit.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWidget>

QSize aufDenBildschirm(const QWidget& fenster, QSize gewuenscht)
{
    const QScreen* bildschirm = fenster.screen() ? fenster.screen() : QGuiApplication::primaryScreen();
    if (!bildschirm)
        return gewuenscht;
    const QSize rahmen = fenster.frameGeometry().size() - fenster.geometry().size();
    return gewuenscht.boundedTo(bildschirm->availableGeometry().size() - rahmen);
}

void anInhaltAnpassen(QWidget& fenster, bool nurWachsen)
{
    if (QLayout* l = fenster.layout())
        l->activate();
    QSize ziel = fenster.sizeHint().expandedTo(fenster.minimumSizeHint());
    if (nurWachsen)
        ziel = ziel.expandedTo(fenster.size());
    ziel = aufDenBildschirm(fenster, ziel);
    if (ziel != fenster.size())
        fenster.resize(ziel);
}
