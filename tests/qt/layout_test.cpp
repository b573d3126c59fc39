// The window as built: every control where, how big, what colour and with
// what text its description says, read back from the real widgets, and
// nothing chosen at start.
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
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            EXPECT_FALSE(button->isChecked());  // nothing chosen at start
        }
    }
}

TEST_F(Layout, WindowIsFixedWithItsCaptionIconAndFont) {
    const WindowDescription& description = mainFormDescription();
    const QSize described(twipsToPixelsAt96Dpi(description.clientWidth),
                          twipsToPixelsAt96Dpi(description.clientHeight));
    EXPECT_EQ(form().size(), described);
    form().resize(described + QSize(100, 100));
    EXPECT_EQ(form().size(), described);
    EXPECT_FALSE(form().windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(form().windowTitle().toStdString(), description.caption);
    EXPECT_EQ(form().windowIcon().availableSizes(), QList<QSize>{QSize(32, 32)});
    // The font the desktop finds for the one described, Cyrillic included.
    const QFontInfo font(form().font());
    EXPECT_TRUE(font.family() == QStringLiteral("Times New Roman") ||
                font.family() == QStringLiteral("Liberation Serif"))
        << font.family().toStdString();
    EXPECT_EQ(font.pointSize(), description.font.points);
}

TEST_F(Layout, ClearButtonFaceIsRedWhilePressedToo) {
    const Rgb described = *mainFormDescription().control(ControlArray::Command1, 0).background;
    const QColor red(described.red, described.green, described.blue);
    for (const bool pressed : {false, true}) {
        SCOPED_TRACE(pressed ? "pressed" : "at rest");
        if (pressed) {
            QTest::mousePress(clearButton(), Qt::LeftButton);
            ASSERT_TRUE(clearButton()->isDown());
        }
        const QImage face = clearButton()->grab().toImage();
        // Beside the caption, inside the edge.
        EXPECT_EQ(face.pixelColor(8, face.height() / 2), red);
        EXPECT_EQ(face.pixelColor(face.width() - 8, face.height() / 2), red);
    }
    QTest::mouseRelease(clearButton(), Qt::LeftButton);
}

// The tests run on a dark desktop: the window keeps its light look.
}  // namespace
}  // namespace veltara::testing
