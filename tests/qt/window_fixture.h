// A shown main window, with the pupil's mouse and keyboard and what the
// pupil can read off the real widgets.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "catalogue.h"
#include "main_form.h"

namespace veltara::testing {

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        form_ = std::make_unique<MainForm>();
        form_->show();
        QApplication::setActiveWindow(form_.get());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
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
    QListWidget* referenceList() { return control<QListWidget>(QStringLiteral("List1_1")); }
    QPlainTextEdit* messageArea() { return control<QPlainTextEdit>(QStringLiteral("Text1_0")); }
    QPushButton* clearButton() { return control<QPushButton>(QStringLiteral("Command1_0")); }

    // Clicks the middle of a widget, or a point given in its own pixels.
    static void click(QWidget* widget, QPoint at = {}) {
        QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier,
                          at.isNull() ? widget->rect().center() : at);
    }

    void clickAnswer(int row) {
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

    void choose(const std::vector<int>& elements) {
        for (int element : elements) {
            click(planet(element));
        }
    }

    std::vector<std::string> answers() {
        std::vector<std::string> items;
        for (int row = 0; row < answerList()->count(); ++row) {
            items.push_back(answerList()->item(row)->text().toStdString());
        }
        return items;
    }

    static std::vector<std::string> namesOf(const std::vector<int>& elements) {
        std::vector<std::string> names;
        for (int element : elements) {
            names.emplace_back(kCatalogue.at(static_cast<std::size_t>(element)).name);
        }
        return names;
    }

    std::string caption(int element) { return planet(element)->text().toStdString(); }
    std::string message() { return messageArea()->toPlainText().toStdString(); }

private:
    std::unique_ptr<MainForm> form_;
};

}  // namespace veltara::testing
