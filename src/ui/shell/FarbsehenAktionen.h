#pragma once

#include "core/colour/ColourVision.h"

#include <QObject>

#include <memory>

class KontrastFenster;
class QLabel;
class QTextEdit;
class DisplayHost;

// The colour vision submenu of the view menu, its status bar note, the
// contrast window of the edit menu and the text view's contrast hints.
class FarbsehenAktionen : public QObject
{
    Q_OBJECT

public:
    explicit FarbsehenAktionen(DisplayHost& form);
    ~FarbsehenAktionen() override;

    void connectActions();
    void kontrastExecute();
    KontrastFenster* kontrastFenster() const { return m_fenster.get(); }
    QLabel* statusText() const { return m_status; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void artGewaehlt(Farbsehen art);
    void statusSetzen();
    void hinweisSetzen(QTextEdit* edit) const;
    void texteSetzen();

    DisplayHost& m_form;
    QLabel* m_status = nullptr;
    std::unique_ptr<KontrastFenster> m_fenster;
};
