#pragma once

#include "core/prefs/MemoryPreferenceStore.h"
#include "core/prefs/RegistryForm.h"
#include "ui/shell/TForm1.h"
#include "ui/shell/TfBlind.h"

#include <QApplication>

#include <memory>

// The shown main window the window benchmarks start from, with throwaway preferences
// and the design size on a fixed screen.
struct BenchWindow {
    BenchWindow()
    {
        auto store = std::make_unique<MemoryPreferenceStore>();
        store->setRaw(QStringLiteral("cFullscrn"), 0);
        prefs = std::make_unique<TfRegistryForm>(std::move(store));
        form = std::make_unique<TForm1>();
        form->setPreferences(*prefs);
        form->setScreenSizeOverride(QSize(1280, 1024));
        blind = std::make_unique<TfBlind>(*form, *prefs);
        form->show();
        form->setWindowState(Qt::WindowNoState);
        form->resize(988, 728);
        QApplication::processEvents();
    }

    std::unique_ptr<TfRegistryForm> prefs;
    std::unique_ptr<TForm1> form;
    std::unique_ptr<TfBlind> blind;
};
