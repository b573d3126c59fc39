#include "accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
#include <QAccessibleObject>
#endif
#include <QEvent>
#include <QPlainTextEdit>

#include "control_names.h"
#include "main_form.h"
#include "main_form_description.h"
#include "planet_button.h"
#include "qt_text.h"

namespace veltara {

namespace {

AnnouncementListener announcementListener = nullptr;

void announce(QAccessibleEvent& event) {
    if (announcementListener != nullptr) {
        announcementListener(event);
    }
    QAccessible::updateAccessibility(&event);
}

// A planet's button, a radio button of the frame's group. While it shows a
// caption, the caption is its name; once chosen, spokenPlanetName's, which
// tells what a sighted pupil sees there. The toolkit's own
// interface would name an empty button after the frame's title instead.
class PlanetButtonAccessible final : public QAccessibleWidget {
public:
    explicit PlanetButtonAccessible(PlanetButton* button)
        : QAccessibleWidget(button, QAccessible::RadioButton) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) {
            return toQt(spokenPlanetName(button().described(), fromQt(button().text())));
        }
        return QAccessibleWidget::text(kind);  // the description: the category
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = button().isChecked();
        state.pressed = button().isDown();
        return state;
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (button().isEnabled()) {
            names.prepend(toggleAction());
        }
        return names;
    }

    // As a press of the button: it is reported only if it selects it. The
    // click may put a fresh interface in this one's place: nothing of this
    // one is used after it.
    void doAction(const QString& action) override {
        if (action == toggleAction() || action == pressAction()) {
            if (button().isEnabled()) {
                button().click();
            }
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    PlanetButton& button() const { return *static_cast<PlanetButton*>(widget()); }
};

// Tells each verdict written into the message area. The pupil cannot type
// there: every change is the exercise's, a verdict or the empty text of a
// fresh start. A verdict is told once the click that wrote it is handled,
// after the news of the chosen button, which would cut it short; and once,
// however many signals one change gives.
class VerdictNotice final : public QObject {
public:
    explicit VerdictNotice(QPlainTextEdit& messageArea)
        : QObject(&messageArea), messageArea_(messageArea) {
        connect(&messageArea, &QPlainTextEdit::textChanged, this, [this] { pending_ = true; });
        connect(
            &messageArea, &QPlainTextEdit::textChanged, this,
            [this] {
                if (pending_ && !text().isEmpty()) {
                    tell();
                }
                pending_ = false;
            },
            Qt::QueuedConnection);
        messageArea.installEventFilter(this);
    }

    QString text() const { return messageArea_.toPlainText(); }
    const QPlainTextEdit& messageArea() const { return messageArea_; }

protected:
    // The message area has the focus at start, before the toolkit's bridge
    // listens, and the bridge tells a focus lost only where it told the
    // focus come: the readers would hold the message area focused for good.
    // Orca 48 then reads a new verdict a second time, as the caret moved in
    // a focused text, and takes its focus there. So losing the focus is
    // told here, each time.
    bool eventFilter(QObject* watched, QEvent* event) override {
        // The readers are sent the state the area has: told once it is lost.
        if (watched == &messageArea_ && event->type() == QEvent::FocusOut &&
            !messageArea_.hasFocus()) {
            QAccessible::State changed;
            changed.focused = true;
            QAccessibleStateChangeEvent lost(&messageArea_, changed);
            announce(lost);
        }
        return QObject::eventFilter(watched, event);
    }

private:
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Qt 6.8 and later: the toolkit's own announcement, from the message
    // area, where the verdict stands. Polite: it is no reason to cut short
    // what the reader is saying of the chosen button.
    void tell() {
        QAccessibleAnnouncementEvent told(&messageArea_, text());
        told.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
        announce(told);
    }
#else
    // Qt 6.4, which has no announcement event: its AT-SPI bridge sends an
    // object shown as a change of its "showing" state, and Orca speaks that
    // for an object in the notification role. The notice is that object: a
    // plain object, not a widget, so it is in no tree of controls.
    void tell() {
        QAccessibleEvent shown(this, QAccessible::ObjectShow);
        announce(shown);
    }
#endif

    QPlainTextEdit& messageArea_;
    bool pending_ = false;
};

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// Qt 6.4: the verdict's notice as the screen readers see it, a notification
// that reads the verdict.
class VerdictNoticeAccessible final : public QAccessibleObject {
public:
    explicit VerdictNoticeAccessible(VerdictNotice* notice) : QAccessibleObject(notice) {}

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(notice().messageArea().window());
    }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? notice().text() : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }
    // Where the verdict stands: the message area.
    QRect rect() const override {
        const QPlainTextEdit& area = notice().messageArea();
        return {area.mapToGlobal(QPoint(0, 0)), area.size()};
    }

private:
    const VerdictNotice& notice() const { return *static_cast<const VerdictNotice*>(object()); }
};
#endif

QAccessibleInterface* ourInterface(const QString& /*className*/, QObject* object) {
    if (auto* button = dynamic_cast<PlanetButton*>(object)) {
        return new PlanetButtonAccessible(button);
    }
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    if (auto* notice = dynamic_cast<VerdictNotice*>(object)) {
        return new VerdictNoticeAccessible(notice);
    }
#endif
    if (auto* form = dynamic_cast<MainForm*>(object)) {
        // A frame with the caption as its name, where the toolkit would
        // make a top-level plain widget a filler.
        return new QAccessibleWidget(form, QAccessible::Window);
    }
    return nullptr;
}

// Setting a planet's caption while its button is being built tells the
// screen readers at once, before the button is a PlanetButton: the toolkit
// then gives it its default interface. That one is dropped, so that the
// next look finds ours.
void forgetEarlyInterface(PlanetButton& button) {
    QAccessibleInterface* seen = QAccessible::queryAccessibleInterface(&button);
    if (seen != nullptr && dynamic_cast<PlanetButtonAccessible*>(seen) == nullptr) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(seen));
    }
}

}  // namespace

void listenToAnnouncements(AnnouncementListener listener) { announcementListener = listener; }

void installAccessibleInterfaces() { QAccessible::installFactory(&ourInterface); }

// Choosing empties the button's caption, which renames it, and then checks
// it. Told as it happens, Orca 43 said only "selected": Qt 6.4 sends the name
// change with the object where the new name belongs, which Orca cannot speak,
// and Orca speaks a radio button's toggle as its state alone. So the change
// happens to a fresh interface, not the one the readers hold as the focus,
// and they pass its events over; then the focus comes to it, which every
// reader presents in full, name, state and category, and once.
void presentChoice(PlanetButton& button, const std::function<void()>& choose) {
    if (!button.hasFocus()) {
        choose();
        return;
    }
    if (QAccessibleInterface* seen = QAccessible::queryAccessibleInterface(&button)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(seen));
    }
    choose();
    QAccessibleEvent focus(&button, QAccessible::Focus);
    announce(focus);
}

void makeAccessible(QWidget& widget, const ControlDescription& control) {
    if (!control.accessibleName.empty()) {
        widget.setAccessibleName(toQt(control.accessibleName));
    }
    if (!control.accessibleDescription.empty()) {
        widget.setAccessibleDescription(toQt(control.accessibleDescription));
    }
    if (auto* button = dynamic_cast<PlanetButton*>(&widget)) {
        forgetEarlyInterface(*button);
    }
    if (control.isMessageArea()) {
        if (auto* messageArea = qobject_cast<QPlainTextEdit*>(&widget)) {
            new VerdictNotice(*messageArea);  // owned by the message area
        }
    }
}

}  // namespace veltara
