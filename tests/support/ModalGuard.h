#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

inline void closeModal(QWidget* modal)
{
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->close();
}

// Runs `step` on the next modal widget of type T as soon as it is shown, for
// code that blocks in exec(). If the step fails (an ASSERT returns early, an
// EXPECT fails) or no such widget appears in time, the modal widget is closed,
// so a failing check fails the test instead of leaving exec() open for ever.
template <typename T>
void onNextModal(std::function<void(T&)> step, int timeoutMs = 10000)
{
    auto deadline = std::make_shared<QDeadlineTimer>(timeoutMs);
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [step = std::move(step), deadline, poll, timeoutMs]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        T* target = qobject_cast<T*>(modal);
        if (!target) {
            if (deadline->hasExpired()) {
                ADD_FAILURE() << "no modal " << T::staticMetaObject.className() << " appeared";
                if (modal)
                    closeModal(modal);
                *poll = nullptr;
                return;
            }
            QTimer::singleShot(5, *poll);
            return;
        }
        QPointer<QWidget> guarded(target);
        step(*target);
        if (::testing::Test::HasFailure() && guarded && guarded->isVisible())
            closeModal(guarded);
        // A step that forgot to close its dialog must not hang the run either.
        QTimer::singleShot(timeoutMs, [guarded] {
            if (guarded && guarded->isVisible()) {
                ADD_FAILURE() << "the modal widget was left open";
                closeModal(guarded);
            }
        });
        *poll = nullptr; // breaks the self-reference
    };
    QTimer::singleShot(0, *poll);
}
