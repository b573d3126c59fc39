#include "main_form.h"

#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <exception>
#include <optional>
#include <vector>

#include "accessibility.h"
#include "answer_list.h"
#include "control_colours.h"
#include "control_names.h"
#include "fatal_error.h"
#include "main_form_description.h"
#include "planet_arrow_keys.h"
#include "tab_order.h"
#include "qt_text.h"

// The icon lives in this library's resources, which a static library must
// register by hand.
static void registerIconResource() { Q_INIT_RESOURCE(icon); }

namespace veltara {

namespace {

QColor toQColor(Rgb colour) { return {colour.red, colour.green, colour.blue}; }

QRect toPixels(const TwipsRect& place) {
    return {twipsToPixelsAt96Dpi(place.left), twipsToPixelsAt96Dpi(place.top),
            twipsToPixelsAt96Dpi(place.width), twipsToPixelsAt96Dpi(place.height)};
}

QString objectNameOf(const ControlDescription& control) { return toQt(controlName(control)); }

// The palette of a light desktop, whatever the desktop's theme: the window
// keeps its described look, with the radio marks and the boxes light.
QPalette lightDesktopPalette() {
    QPalette palette(toQColor(kLightDesktop.buttonFace), toQColor(kLightDesktop.window));
    palette.setColor(QPalette::Base, toQColor(kLightDesktop.window));
    palette.setColor(QPalette::Text, toQColor(kLightDesktop.windowText));
    palette.setColor(QPalette::WindowText, toQColor(kLightDesktop.buttonText));
    palette.setColor(QPalette::ButtonText, toQColor(kLightDesktop.buttonText));
    return palette;
}

// A control's face takes its colour whole, and every text on it the text
// colour. A push button's face is drawn in it in every state, where the
// style would otherwise shade it; a darker edge turns black while the
// button has the focus and thickens while it is pressed. The colours come
// by value: by const reference, g++ 12's interprocedural mod/ref analysis
// found them unread, and dead-store elimination dropped the caller's store
// of a returned one (cmake/warnings.cmake turns that analysis off now).
void paintColours(QWidget& widget, ControlColours colours) {
    const QColor face = toQColor(colours.face);
    const QColor text = toQColor(colours.text);
    QPalette palette = widget.palette();
    palette.setColor(widget.backgroundRole(), face);
    for (const QPalette::ColorRole role : {widget.foregroundRole(), QPalette::WindowText, QPalette::Text}) {
        palette.setColor(role, text);
    }
    widget.setPalette(palette);
    if (qobject_cast<QPushButton*>(&widget) == nullptr) {
        widget.setAutoFillBackground(true);
        return;
    }
    widget.setStyleSheet(
        QStringLiteral("QPushButton { background-color: %1; color: %3; border: 1px solid %2;"
                       " border-radius: 3px; }"
                       " QPushButton:focus { border: 2px solid black; }"
                       " QPushButton:pressed { border: 3px solid %2; }")
            .arg(face.name(), face.darker(160).name(), text.name()));
}

QFont windowFont(const FontDescription& font) {
    QFont qfont(toQt(font.family), font.points, QFont::Normal, font.italic);
    qfont.setWeight(static_cast<QFont::Weight>(font.weight));
    qfont.setUnderline(font.underline);
    qfont.setStrikeOut(font.strikeOut);
    return qfont;
}

std::optional<ArrowKey> arrowKeyOf(const QKeyEvent& key) {
    switch (key.key()) {
    case Qt::Key_Left:
        return ArrowKey::Left;
    case Qt::Key_Right:
        return ArrowKey::Right;
    case Qt::Key_Up:
        return ArrowKey::Up;
    case Qt::Key_Down:
        return ArrowKey::Down;
    default:
        return std::nullopt;
    }
}

}  // namespace

MainForm::MainForm() {
    installAccessibleInterfaces();
    const WindowDescription& form = mainFormDescription();
    registerIconResource();
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(toQt(form.caption));
    setWindowIcon(QIcon(QStringLiteral(":/icon/hamburger.xpm")));
    // A fixed single border: no resizing, no maximize button.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(twipsToPixelsAt96Dpi(form.clientWidth), twipsToPixelsAt96Dpi(form.clientHeight));
    setFont(windowFont(form.font));
    setPalette(lightDesktopPalette());
    paintColours(*this, windowColours(form, kLightDesktop, false));

    // The frame comes before its planet buttons in the description.
    QWidget* frame = nullptr;
    for (const ControlDescription& control : form.controls) {
        QWidget* widget = buildControl(control, frame);
        if (control.kind == ControlKind::Frame) {
            frame = widget;
        }
    }
    controls_ = std::make_unique<QtExerciseControls>(widgets_);
    exercise_ = std::make_unique<OrderingExercise>(*controls_);
    chainTabOrder();
    connectClicks();
    if (widgets_.message) {
        widgets_.message->setFocus(Qt::OtherFocusReason);
    }
}

QWidget* MainForm::buildControl(const ControlDescription& control, QWidget* frame) {
    if (!control.visible) {
        return nullptr;  // kept as data by the exercise's controls
    }
    QWidget* parent = control.insideFrame ? frame : this;
    QWidget* widget = nullptr;
    switch (control.kind) {
    case ControlKind::Label: {
        auto* label = new QLabel(toQt(control.text), parent);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setFrameShape(QFrame::NoFrame);
        widget = label;
        break;
    }
    case ControlKind::Frame:
        widget = new QGroupBox(toQt(control.text), parent);
        break;
    case ControlKind::OptionButton: {
        auto* button = new PlanetButton(control, parent);
        widgets_.planets.at(static_cast<std::size_t>(control.element)) = button;
        button->installEventFilter(this);
        widget = button;
        break;
    }
    case ControlKind::ListBox: {
        auto* list = new AnswerList(parent);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setSortingEnabled(false);
        list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        for (const std::string& item : control.items) {
            list->addItem(toQt(item));
        }
        widgets_.answers = list;
        widget = list;
        break;
    }
    case ControlKind::TextBox: {
        auto* box = new QPlainTextEdit(parent);
        box->setPlainText(toQtLines(control.text));
        box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        // The pupil reads the message area and may select in it, but not
        // type into it.
        box->setReadOnly(true);
        box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        box->setTabChangesFocus(true);
        widgets_.message = box;
        widget = box;
        break;
    }
    case ControlKind::CommandButton: {
        auto* button = new QPushButton(toQt(control.text), parent);
        // Neither the default (Enter) nor the cancel (Esc) button.
        button->setAutoDefault(false);
        button->setDefault(false);
        clearButton_ = button;
        widget = button;
        break;
    }
    }
    widget->setObjectName(objectNameOf(control));
    widget->setGeometry(toPixels(control.place));
    // Set on each control: a desktop theme may give a kind of control a font
    // of its own, which would win over the window's.
    widget->setFont(font());
    paintColours(*widget, controlColours(control, kLightDesktop, false));
    widget->setFocusPolicy(control.takesFocus() ? Qt::StrongFocus : Qt::NoFocus);
    makeAccessible(*widget, control);
    return widget;
}

// The planet group is one stop in the tab chain, where its first button
// stands: its buttons are chained together there, so that Tab from any of
// them leaves the group for the control after it.
void MainForm::chainTabOrder() {
    std::vector<QWidget*> chain;
    for (const ControlDescription* control : shownControlsInTabOrder(mainFormDescription())) {
        if (control->takesFocus()) {
            chain.push_back(findChild<QWidget*>(objectNameOf(*control)));
        }
    }
    for (std::size_t i = 1; i < chain.size(); ++i) {
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    }
}

void MainForm::connectClicks() {
    for (std::size_t i = 0; i < widgets_.planets.size(); ++i) {
        const auto element = static_cast<std::int16_t>(i);
        // Reported only when a button goes from not selected to selected.
        connect(widgets_.planets[i], &QAbstractButton::toggled, this, [this, element](bool on) {
            if (on && !controls_->isChanging()) {
                report(&OrderingExercise::Option1_Click, element);
            }
        });
    }
    connect(widgets_.answers, &QListWidget::itemSelectionChanged, this, [this] {
        if (!controls_->isChanging()) {
            report(&OrderingExercise::List1_Click, 0);
        }
    });
    connect(clearButton_, &QPushButton::clicked, this,
            [this] { report(&OrderingExercise::Command1_Click, 0); });
}

// The arrow keys move the focus between the planets and choose nothing; the
// toolkit's own moves would follow its geometry and, from a checked button,
// check every button they reach.
bool MainForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QWidget::eventFilter(watched, event);
    }
    const auto key = arrowKeyOf(*static_cast<QKeyEvent*>(event));
    for (std::size_t i = 0; key && i < widgets_.planets.size(); ++i) {
        if (widgets_.planets[i] == watched) {
            const std::int16_t reached = planetReachedByArrow(static_cast<std::int16_t>(i), *key);
            PlanetButton* target = widgets_.planets.at(static_cast<std::size_t>(reached));
            if (target != nullptr) {
                target->setFocus(Qt::TabFocusReason);
            }
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MainForm::report(void (OrderingExercise::*handler)(std::int16_t), std::int16_t element) {
    try {
        ((*exercise_).*handler)(element);
    } catch (const std::exception& error) {
        reportFatalErrorAndExit(error.what());
    } catch (...) {
        reportFatalErrorAndExit("unknown error");
    }
}

}  // namespace veltara
