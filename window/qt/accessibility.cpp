#include "accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
#include <QAccessibleObject>
#else
#include <QHash>
#include <QListWidget>
#include <QPointer>
#include <QVariant>
#include <algorithm>
#include <iterator>
#include <vector>
#endif
#include <QEvent>
#include <QPlainTextEdit>

#include "answer_list.h"
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

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
// Qt 6.8 and later: the answer list with its size told. The toolkit's own
// list marks the names scrolled out of sight as not showing, and Orca 48
// counts only the showing ones: with thirteen names it said "List with 6
// items". Told as the list's and each name's set size, the count is the
// real one, and so is each name's place, "3 of 13". The names are the same
// as the toolkit's: their text, their place, selected and current.
class AnswerItemAccessible final : public QAccessibleInterface, public QAccessibleAttributesInterface {
public:
    AnswerItemAccessible(QListWidget* list, int row) : list_(list), row_(row) {}
    void setRow(int row) { row_ = row; }

    bool isValid() const override { return list_ != nullptr && row_ < list_->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return list_ != nullptr ? list_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(list_); }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name && isValid() ? list_->item(row_)->text() : QString();
    }
    void setText(QAccessible::Text /*kind*/, const QString& /*text*/) override {}
    QAccessible::Role role() const override { return QAccessible::ListItem; }

    QRect rect() const override {
        if (!isValid()) {
            return {};
        }
        const QRect place = list_->visualItemRect(list_->item(row_));
        return {list_->viewport()->mapToGlobal(place.topLeft()), place.size()};
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            return state;
        }
        const QRect shown(list_->mapToGlobal(QPoint(0, 0)), list_->size());
        state.invisible = !shown.intersects(rect());
        state.selectable = true;
        state.focusable = true;
        state.selected = list_->item(row_)->isSelected();
        state.focused = list_->currentRow() == row_;
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::AttributesInterface ? static_cast<QAccessibleAttributesInterface*>(this)
                                                        : nullptr;
    }
    QList<QAccessible::Attribute> attributeKeys() const override { return {QAccessible::Attribute::Custom}; }
    QVariant attributeValue(QAccessible::Attribute key) const override {
        if (key != QAccessible::Attribute::Custom || !isValid()) {
            return {};
        }
        return QVariant::fromValue(QHash<QString, QString>{
            {QStringLiteral("posinset"), QString::number(row_ + 1)},
            {QStringLiteral("setsize"), QString::number(list_->count())}});
    }

private:
    QPointer<QListWidget> list_;
    int row_;
};

class AnswerListAccessible final : public QAccessibleWidget, public QAccessibleAttributesInterface {
public:
    explicit AnswerListAccessible(AnswerList* list) : QAccessibleWidget(list, QAccessible::List) {
        // Each name keeps its interface while it stays in the list, as the
        // toolkit's own list does: a take-back moves the names below it up,
        // and the mark, which the readers follow, may already be on one of
        // them.
        const QAbstractItemModel* model = list->model();
        watched_ = {
            QObject::connect(model, &QAbstractItemModel::rowsInserted, list,
                             [this](const QModelIndex&, int first, int last) {
                                 items_.insert(items_.begin() + std::min<std::ptrdiff_t>(first, std::ssize(items_)),
                                               static_cast<std::size_t>(last - first) + 1, 0);
                                 renumberItems();
                             }),
            QObject::connect(model, &QAbstractItemModel::rowsRemoved, list,
                             [this](const QModelIndex&, int first, int last) {
                                 for (int row = first; row <= last && row < std::ssize(items_); ++row) {
                                     forget(items_[static_cast<std::size_t>(row)]);
                                 }
                                 items_.erase(items_.begin() + std::min<std::ptrdiff_t>(first, std::ssize(items_)),
                                              items_.begin() + std::min<std::ptrdiff_t>(last + 1, std::ssize(items_)));
                                 renumberItems();
                             }),
            QObject::connect(model, &QAbstractItemModel::modelReset, list, [this] { forgetItems(); })};
    }
    ~AnswerListAccessible() override {
        for (const QMetaObject::Connection& connection : watched_) {
            QObject::disconnect(connection);
        }
        forgetItems();
    }
    AnswerListAccessible(const AnswerListAccessible&) = delete;
    AnswerListAccessible& operator=(const AnswerListAccessible&) = delete;

    int childCount() const override { return list().count(); }

    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= list().count()) {
            return nullptr;
        }
        if (std::ssize(items_) < list().count()) {
            items_.resize(static_cast<std::size_t>(list().count()), 0);
        }
        QAccessible::Id& id = items_[static_cast<std::size_t>(index)];
        if (id == 0) {
            // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks): the cache owns it
            id = QAccessible::registerAccessibleInterface(new AnswerItemAccessible(&list(), index));
        }
        return QAccessible::accessibleInterface(id);
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        for (std::size_t row = 0; row < items_.size(); ++row) {
            if (items_[row] != 0 && QAccessible::accessibleInterface(items_[row]) == child) {
                return static_cast<int>(row);
            }
        }
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        const QModelIndex index = list().indexAt(list().viewport()->mapFromGlobal(QPoint(x, y)));
        return index.isValid() ? child(index.row()) : nullptr;
    }

    QAccessibleInterface* focusChild() const override { return child(list().currentRow()); }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::AttributesInterface) {
            return static_cast<QAccessibleAttributesInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }
    QList<QAccessible::Attribute> attributeKeys() const override { return {QAccessible::Attribute::Custom}; }
    QVariant attributeValue(QAccessible::Attribute key) const override {
        if (key != QAccessible::Attribute::Custom) {
            return {};
        }
        return QVariant::fromValue(
            QHash<QString, QString>{{QStringLiteral("setsize"), QString::number(list().count())}});
    }

private:
    QListWidget& list() const { return *static_cast<QListWidget*>(widget()); }

    static void forget(QAccessible::Id id) {
        if (id != 0) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }
    void forgetItems() const {
        for (const QAccessible::Id id : items_) {
            forget(id);
        }
        items_.clear();
    }
    void renumberItems() const {
        for (std::size_t row = 0; row < items_.size(); ++row) {
            if (items_[row] != 0) {
                static_cast<AnswerItemAccessible*>(QAccessible::accessibleInterface(items_[row]))
                    ->setRow(static_cast<int>(row));
            }
        }
    }

    mutable std::vector<QAccessible::Id> items_;
    std::vector<QMetaObject::Connection> watched_;
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
#else
    if (auto* list = dynamic_cast<AnswerList*>(object)) {
        return new AnswerListAccessible(list);
    }
#endif
    if (auto* form = dynamic_cast<MainForm*>(object)) {
        // A frame with the caption as its name, where the toolkit would
        // make a top-level plain widget a filler.
        return new QAccessibleWidget(form, QAccessible::Window);
    }
    return nullptr;
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
    if (control.isMessageArea()) {
        if (auto* messageArea = qobject_cast<QPlainTextEdit*>(&widget)) {
            new VerdictNotice(*messageArea);  // owned by the message area
        }
    }
}

}  // namespace veltara
