// The window as built: every control where, how big, what colour and with
// what text its description says, read back from the real widgets.
#include <QAbstractButton>
#include <QFontInfo>
#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QLabel>

#include "main_form_description.h"
#include "window_fixture.h"
#include "window_scenarios.h"

namespace veltara::testing {
namespace {

QString shownText(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
    if (auto* frame = qobject_cast<QGroupBox*>(widget)) return frame->title();
    if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) return box->toPlainText();
    return {};
}

using Layout = WindowTest;

TEST_F(Layout, EveryControlStandsAsDescribed) {
    const WindowDescription& description = mainFormDescription();
    QWidget* frame = control(QStringLiteral("Frame1_0"));
    for (const ControlDescription& described : description.controls) {
        const QString name = objectNameOf(described.array, described.element);
        SCOPED_TRACE(name.toStdString());
        if (!described.visible) {
            // A hidden control is kept as data, not as a widget.
            EXPECT_EQ(form().findChild<QObject*>(name), nullptr);
            continue;
        }
        QWidget* widget = control(name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->parentWidget(), described.insideFrame ? frame : &form());
        const QRect expected(described.place.left / 15, described.place.top / 15,
                             described.place.width / 15, described.place.height / 15);
        EXPECT_EQ(widget->geometry(), expected);
        EXPECT_EQ(widget->isVisible(), described.visible);
        EXPECT_EQ(widget->focusPolicy() != Qt::NoFocus, described.takesFocus());
        if (described.background) {
            const QColor colour = widget->palette().color(widget->backgroundRole());
            EXPECT_EQ(colour, QColor(described.background->red, described.background->green,
                                     described.background->blue));
        }
        if (described.kind == ControlKind::TextBox) {
            const QString lines = QString::fromStdString(described.text).replace("\r\n", "\n");
            EXPECT_EQ(shownText(widget), lines);
        } else if (described.kind != ControlKind::ListBox) {
            EXPECT_EQ(shownText(widget).toStdString(), described.text);
        }
        EXPECT_EQ(widget->font(), form().font());
    }
}

TEST_F(Layout, WindowIsFixedWithItsCaptionIconAndFont) {
    EXPECT_EQ(form().size(), QSize(461, 365));
    EXPECT_EQ(form().minimumSize(), form().maximumSize());
    form().resize(600, 500);
    EXPECT_EQ(form().size(), QSize(461, 365));
    EXPECT_FALSE(form().windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(form().palette().color(QPalette::Window), QColor(192, 192, 255));
    EXPECT_TRUE(form().windowTitle().startsWith(QStringLiteral("https://")));
    EXPECT_TRUE(form().windowTitle().endsWith(QStringLiteral(" Велтара")));
    EXPECT_FALSE(form().windowIcon().isNull());
    EXPECT_EQ(form().windowIcon().availableSizes(), QList<QSize>{QSize(32, 32)});
    const QFontInfo font(form().font());
    EXPECT_TRUE(font.family() == QStringLiteral("Times New Roman") ||
                font.family() == QStringLiteral("Liberation Serif"))
        << font.family().toStdString();
    EXPECT_EQ(form().font().pointSize(), 12);
    EXPECT_EQ(form().font().weight(), QFont::Normal);
}

TEST_F(Layout, ClearButtonFaceIsRedWhilePressedToo) {
    for (const bool pressed : {false, true}) {
        SCOPED_TRACE(pressed ? "pressed" : "at rest");
        if (pressed) {
            QTest::mousePress(clearButton(), Qt::LeftButton);
            ASSERT_TRUE(clearButton()->isDown());
        }
        const QImage face = clearButton()->grab().toImage();
        // Beside the caption, inside the edge.
        EXPECT_EQ(face.pixelColor(8, face.height() / 2), QColor(255, 0, 0));
        EXPECT_EQ(face.pixelColor(face.width() - 8, face.height() / 2), QColor(255, 0, 0));
    }
    QTest::mouseRelease(clearButton(), Qt::LeftButton);
}

// The tests run on a dark desktop: the window keeps its light look.
TEST_F(Layout, EveryTextReadsAgainstItsFace) { everyTextReadsAgainstItsFace(*this); }

TEST_F(Layout, LabelsAreCentredFromTheTopWithoutBorder) {
    for (int element = 0; element <= 4; ++element) {
        auto* label = control<QLabel>(QStringLiteral("Label1_%1").arg(element));
        EXPECT_EQ(label->alignment(), Qt::AlignHCenter | Qt::AlignTop);
        EXPECT_EQ(label->frameShape(), QFrame::NoFrame);
    }
}

TEST_F(Layout, StartsWithNothingChosenAndTheFocusOnTheMessage) {
    EXPECT_EQ(QApplication::focusWidget(), messageArea());
    EXPECT_EQ(answerList()->count(), 0);
    for (const PlanetRow& row : kCatalogue) {
        EXPECT_EQ(caption(row.index), row.name);
        EXPECT_FALSE(planet(row.index)->isChecked());
    }
    const std::vector<std::string> reference = referenceItems();
    ASSERT_EQ(reference.size(), 13U);
    for (const PlanetRow& row : kCatalogue) {
        EXPECT_EQ(reference[static_cast<std::size_t>(row.index)], row.name);
    }
    // Three lines, each ended by CR LF: 118 characters.
    EXPECT_EQ(QString::fromStdString(quotation()).size(), 118);
    EXPECT_TRUE(messageArea()->isReadOnly());
    EXPECT_EQ(messageArea()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(messageArea()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
}

// The planet buttons form one tab stop, as a group of option buttons does;
// the arrow keys move within it.
TEST_F(Layout, TabVisitsTheControlsInTheirOrder) {
    const std::vector<QString> expected{QStringLiteral("Text1_0"), QStringLiteral("Option1_0"),
                                        QStringLiteral("List1_0"), QStringLiteral("Command1_0"),
                                        QStringLiteral("Text1_0")};
    std::vector<QString> visited{QApplication::focusWidget()->objectName()};
    for (std::size_t step = 1; step < expected.size(); ++step) {
        pressKey(Qt::Key_Tab);
        visited.push_back(QApplication::focusWidget()->objectName());
    }
    EXPECT_EQ(visited, expected);
    std::vector<QString> back{QApplication::focusWidget()->objectName()};
    for (std::size_t step = 1; step < expected.size(); ++step) {
        pressKey(Qt::Key_Backtab);
        back.push_back(QApplication::focusWidget()->objectName());
    }
    EXPECT_EQ(back, std::vector<QString>(expected.rbegin(), expected.rend()));
    EXPECT_EQ(answerList()->count(), 0);  // moving the focus chose nothing
}

}  // namespace
}  // namespace veltara::testing
