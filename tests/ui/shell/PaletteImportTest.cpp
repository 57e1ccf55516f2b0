// Colours coming in: a picture dropped on the window, a swatch taken as the base colour.
#include "support/InteractionFixture.h"

#include "core/language/LanguageTable.h"
#include "ui/documents/PaletteWindow.h"
#include "ui/shell/PaletteImport.h"

#include <QApplication>
#include <QDropEvent>
#include <QImage>
#include <QListWidget>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QUrl>

#include <gtest/gtest.h>

TEST(PaletteImport, ADroppedPictureOffersItsColoursAndASwatchBecomesTheBaseInOneStep)
{
    ShownWindow f;
    QUndoStack& history = f.form->colourDocument().history();
    f.form->colourDocument().finishStep();
    f.form->colourDocument().restartHistory();
    const QString before = f.w().values.SGrObHex->text();

    // Three quarters one blue, a quarter one orange: two colours, the blue first.
    QTemporaryDir folder;
    QImage picture(80, 40, QImage::Format_RGB32);
    picture.fill(QColor(0x32, 0x64, 0xC8));
    for (int y = 0; y < 40; ++y)
        for (int x = 60; x < 80; ++x)
            picture.setPixel(x, y, qRgb(0xE0, 0x80, 0x20));
    const QString path = folder.filePath(QStringLiteral("photo.png"));
    ASSERT_TRUE(picture.save(path));

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(300, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f.form.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(300, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f.form.get(), &drop);

    PaletteWindow* window = f.form->paletteImport().paletteWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->isVisible(); }));
    QListWidget* list = window->swatchList();
    ASSERT_GE(list->count(), 2);
    EXPECT_TRUE(list->item(0)->text().startsWith(QStringLiteral("#3264C8")))
        << list->item(0)->text().toStdString();

    list->setFocus();
    list->setCurrentRow(0);
    QTest::keyClick(list, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return history.count() == 1; }));
    EXPECT_EQ(history.text(0), f.form->uiLanguage().text(Txt::stepColourInput));
    EXPECT_EQ(f.w().values.SGrObHex->text(), QStringLiteral("#3264C8"));

    history.undo();
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.w().values.SGrObHex->text() == before; }));
}
