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
#include <map>
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

    // The middle of the answer list's row at a position, past the last name
    // too, in its viewport's pixels.
    QPoint answerRow(int position) {
        const QRect first = answerList()->visualItemRect(answerList()->item(0));
        return first.center() + QPoint(0, position * first.height());
    }
    void clickAnswer(int position) override { click(answerList()->viewport(), answerRow(position)); }
    // Through the window, as the platform delivers the mouse: Qt itself
    // makes the second press a double-click, as it does for the pupil's.
    void doubleClickAnswer(int position) override {
        QTest::mouseDClick(form_->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                           answerList()->viewport()->mapTo(form_.get(), answerRow(position)));
    }

    // A key press delivered where the keyboard focus is.
    static void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QTest::keyClick(target, key, modifiers);
    }

    void press(Key key) override {
        static const std::map<Key, Qt::Key> kKeys{
            {Key::Tab, Qt::Key_Tab},       {Key::BackTab, Qt::Key_Backtab}, {Key::Left, Qt::Key_Left},
            {Key::Right, Qt::Key_Right},   {Key::Up, Qt::Key_Up},           {Key::Down, Qt::Key_Down},
            {Key::Home, Qt::Key_Home},     {Key::End, Qt::Key_End},         {Key::PageUp, Qt::Key_PageUp},
            {Key::PageDown, Qt::Key_PageDown}, {Key::Space, Qt::Key_Space}, {Key::Escape, Qt::Key_Escape}};
        if (key == Key::Enter) {  // the main key, then the keypad's
            pressKey(Qt::Key_Return);
            pressKey(Qt::Key_Enter, Qt::KeypadModifier);
            return;
        }
        pressKey(kKeys.at(key), key == Key::BackTab ? Qt::ShiftModifier : Qt::NoModifier);
    }

    // On the widget that stands at that point of the form, as the window
    // would hand it the mouse.
    void clickInPicture(int x, int y, std::int16_t clicks) override {
        QWidget* target = form_->childAt(x, y);
        if (target == nullptr) {
            target = form_.get();
        }
        const QPoint local = target->mapFrom(form_.get(), QPoint(x, y));
        if (clicks == 2) {
            QTest::mouseDClick(target, Qt::LeftButton, Qt::NoModifier, local);
        } else {
            QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, local);
        }
    }

    void clickPlanet(int element) override { click(planet(element)); }
    void clickClear() override { click(clearButton()); }

    std::vector<std::string> answers() override {
        std::vector<std::string> items;
        for (int row = 0; row < answerList()->count(); ++row) {
            items.push_back(answerList()->item(row)->text().toStdString());
        }
        return items;
    }
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
    std::unique_ptr<MainForm> form_;
};

}  // namespace veltara::testing
