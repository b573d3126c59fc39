// A shown main window, with the pupil's mouse and keyboard and what the
// pupil can read off the real widgets.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QBackingStore>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "catalogue.h"
#include "control_names.h"
#include "main_form.h"
#include "pupil_window.h"

namespace veltara::testing {

// A control's object name: its array and element, "Option1_3".
inline QString objectNameOf(ControlArray array, std::int16_t element) {
    return QString::fromStdString(controlName(array, element));
}

class WindowTest : public ::testing::Test, public PupilWindow {
protected:
    void SetUp() override {
        form_ = std::make_unique<MainForm>();
        form_->show();
        form_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    }

    void TearDown() override { form_.reset(); }

    MainForm& form() { return *form_; }

    template <typename Widget = QWidget>
    Widget* control(const QString& name) {
        auto* widget = form_->findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }

    QRadioButton* planet(int element) {
        return control<QRadioButton>(QStringLiteral("Option1_%1").arg(element));
    }
    QListWidget* answerList() { return control<QListWidget>(QStringLiteral("List1_0")); }
    QPlainTextEdit* messageArea() { return control<QPlainTextEdit>(QStringLiteral("Text1_0")); }
    QPushButton* clearButton() { return control<QPushButton>(QStringLiteral("Command1_0")); }

    // Clicks the middle of a widget, or a point given in its own pixels.
    static void click(QWidget* widget, QPoint at = {}) {
        QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier,
                          at.isNull() ? widget->rect().center() : at);
    }

    // Through the window, as the platform delivers the mouse: Qt itself
    // makes the second press a double-click, as it does for the pupil's.
    void doubleClickAnswer(int position) override {
        QListWidget* list = answerList();
        const QRect first = list->visualItemRect(list->item(0));
        const QPoint at = first.center() + QPoint(0, position * first.height());
        QTest::mouseDClick(form_->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                           list->viewport()->mapTo(form_.get(), at));
    }

    void clickAnswer(int row) override {
        QListWidget* list = answerList();
        const QRect item = list->visualItemRect(list->item(row));
        click(list->viewport(), item.center());
    }

    // A key press delivered where the keyboard focus is.
    static void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QTest::keyClick(target, key, modifiers);
    }

    void press(Key key) override {
        switch (key) {
        case Key::Tab: return pressKey(Qt::Key_Tab);
        case Key::BackTab: return pressKey(Qt::Key_Backtab, Qt::ShiftModifier);
        case Key::Left: return pressKey(Qt::Key_Left);
        case Key::Right: return pressKey(Qt::Key_Right);
        case Key::Up: return pressKey(Qt::Key_Up);
        case Key::Down: return pressKey(Qt::Key_Down);
        case Key::Home: return pressKey(Qt::Key_Home);
        case Key::End: return pressKey(Qt::Key_End);
        case Key::PageUp: return pressKey(Qt::Key_PageUp);
        case Key::PageDown: return pressKey(Qt::Key_PageDown);
        case Key::Space: return pressKey(Qt::Key_Space);
        }
    }

    void clickPlanet(int element) override { click(planet(element)); }
    void clickClear() override { click(clearButton()); }

    std::vector<std::string> answers() override { return itemsOf(answerList()); }
    bool answerSelected() override { return !answerList()->selectedItems().isEmpty(); }
    int answerMark() override { return answerList()->currentRow(); }
    std::string focused() override {
        QWidget* focus = QApplication::focusWidget();
        return focus == nullptr ? std::string() : focus->objectName().toStdString();
    }
    std::string caption(int element) override { return planet(element)->text().toStdString(); }
    bool planetSelected(int element) override { return planet(element)->isChecked(); }
    std::string message() override { return messageArea()->toPlainText().toStdString(); }
    // The hidden controls are no widgets: the window keeps them as data.
    std::vector<std::string> referenceItems() override { return form_->hidden().referenceItems(); }
    std::string quotation() override { return form_->hidden().quotation(); }

    // What the window shows: its backing store, once every pending paint
    // is done. A fresh rendering (grab) would hide what the paints left.
    Picture picture() override {
        // A view lays its items out on a timer, and the paint it asks for
        // then is one more pass of the loop away.
        for (int pass = 0; pass < 3; ++pass) {
            QCoreApplication::processEvents();
        }
        const QPaintDevice* shown = form_->backingStore()->paintDevice();
        const QImage image = shown->devType() == QInternal::Image
                                 ? *static_cast<const QImage*>(shown)
                                 : form_->grab().toImage();
        Picture picture{image.width(), image.height(), {}};
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor colour = image.pixelColor(x, y);
                picture.pixels.push_back({static_cast<std::uint8_t>(colour.red()),
                                          static_cast<std::uint8_t>(colour.green()),
                                          static_cast<std::uint8_t>(colour.blue())});
            }
        }
        return picture;
    }
    PictureBox placeInPicture(ControlArray array, std::int16_t element) override {
        const QWidget* widget = control(objectNameOf(array, element));
        const QPoint topLeft = widget->mapTo(form_.get(), QPoint(0, 0));
        return {topLeft.x(), topLeft.y(), widget->width(), widget->height()};
    }

private:
    static std::vector<std::string> itemsOf(const QListWidget* list) {
        std::vector<std::string> items;
        for (int row = 0; row < list->count(); ++row) {
            items.push_back(list->item(row)->text().toStdString());
        }
        return items;
    }

    std::unique_ptr<MainForm> form_;
};

}  // namespace veltara::testing
