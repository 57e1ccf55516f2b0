#pragma once

#include "core/prefs/MemoryPreferenceStore.h"
#include "core/prefs/RegistryForm.h"
#include "ui/shell/TForm1.h"
#include "ui/shell/TfBlind.h"

#include <QSize>

#include <functional>
#include <memory>

// A main window as the start-up builds it, with preferences in memory and a
// screen large enough for the scaling layout unless a test says otherwise.
struct WindowFixture {
    explicit WindowFixture(const std::function<void(MemoryPreferenceStore&)>& vorbereiten = {},
                           QSize bildschirm = QSize(1280, 1024))
    {
        auto s = std::make_unique<MemoryPreferenceStore>();
        if (vorbereiten)
            vorbereiten(*s);
        store = s.get();
        prefs = std::make_unique<TfRegistryForm>(std::move(s));
        form = std::make_unique<TForm1>();
        form->setPreferences(*prefs);
        form->setScreenSizeOverride(bildschirm);
        blind = std::make_unique<TfBlind>(*form, *prefs);
    }

    MainWidgets& w() { return form->w(); }
    const MainState& s() const { return form->state(); }
    ColourDocument& d() { return form->colourDocument(); }
    // A state no gesture leads to, given to the document whole.
    template <typename F> void currentState(F aendern)
    {
        MainState neu = s();
        aendern(neu);
        d().replaceState(neu);
    }

    MemoryPreferenceStore* store = nullptr;
    std::unique_ptr<TfRegistryForm> prefs;
    std::unique_ptr<TForm1> form;
    std::unique_ptr<TfBlind> blind;
};

// A normal (not maximised) window at a known place.
inline void normalerPlatz(MemoryPreferenceStore& s)
{
    s.setRaw(QStringLiteral("cFullscrn"), 0);
    s.setRaw(QStringLiteral("appLeft"), 30);
    s.setRaw(QStringLiteral("appTop"), 40);
    s.setRaw(QStringLiteral("appWidth"), 900);
    s.setRaw(QStringLiteral("appHeight"), 700);
}
