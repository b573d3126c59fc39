#include "qt_exercise_controls.h"

#include <QItemSelectionModel>
#include <algorithm>
#include <stdexcept>
#include <string>

#include "list_selection.h"
#include "qt_text.h"

namespace veltara {

// Marks the span of one operation; operations may nest.
class QtExerciseControls::Changing {
public:
    explicit Changing(QtExerciseControls& controls) : controls_(controls) { ++controls_.changing_; }
    ~Changing() { --controls_.changing_; }
    Changing(const Changing&) = delete;
    Changing& operator=(const Changing&) = delete;

private:
    QtExerciseControls& controls_;
};

namespace {

template <typename Widget>
Widget& existing(const QPointer<Widget>& widget, const char* what) {
    if (widget.isNull()) {
        throw std::runtime_error(std::string(what) + " no longer exists");
    }
    return *widget;
}

std::string itemText(const QListWidget& list, std::int16_t position) {
    const QListWidgetItem* item = list.item(position);  // null outside the list, -1 included
    return item == nullptr ? std::string() : fromQt(item->text());
}

}  // namespace

PlanetButton& QtExerciseControls::planet(std::int16_t element) const {
    if (element < 0 || element >= kPlanetCount) {
        throw std::out_of_range("Option1 has no element " + std::to_string(element));
    }
    const auto& button = widgets_.planets[static_cast<std::size_t>(element)];
    if (button.isNull()) {
        throw std::runtime_error("Option1 element " + std::to_string(element) +
                                 " no longer exists");
    }
    return *button;
}

QListWidget& QtExerciseControls::answers() const {
    return existing(widgets_.answers, "List1 element 0");
}

std::string QtExerciseControls::planetCaption(std::int16_t element) const {
    return fromQt(planet(element).text());
}

void QtExerciseControls::setPlanetCaption(std::int16_t element, const std::string& caption) {
    const Changing changing(*this);
    planet(element).setText(toQt(caption));
}

void QtExerciseControls::setPlanetSelectedOff(std::int16_t element) {
    const Changing changing(*this);
    planet(element).setSelectedOff();
}

std::string QtExerciseControls::answerItem(std::int16_t position) const {
    return itemText(answers(), position);
}

std::string QtExerciseControls::referenceItem(std::int16_t position) const {
    return hidden_.referenceItem(position);
}

void QtExerciseControls::appendAnswer(const std::string& item) {
    const Changing changing(*this);
    answers().addItem(toQt(item));
}

void QtExerciseControls::removeAnswer(std::int16_t position) {
    const Changing changing(*this);
    QListWidget& list = answers();
    if (position < 0 || position >= list.count()) {
        throw std::out_of_range("List1 element 0 has no item " + std::to_string(position));
    }
    const std::int16_t selected = answerSelection();
    // Taking an item out lets the view pick a neighbour as current and
    // selected; the selection is put back to what the list must show, and
    // the focus mark stays where it was, or on the last item.
    delete list.takeItem(position);
    selectAnswerQuietly(selectionAfterRemoval(selected, position));
    markAnswerQuietly(std::min<int>(position, list.count() - 1));
}

void QtExerciseControls::removeAllAnswers() {
    const Changing changing(*this);
    answers().clear();
}

std::int16_t QtExerciseControls::answerSelection() const {
    const QModelIndexList rows = answers().selectionModel()->selectedRows();
    return rows.isEmpty() ? std::int16_t{-1} : static_cast<std::int16_t>(rows.first().row());
}

void QtExerciseControls::clearAnswerSelection() {
    const Changing changing(*this);
    selectAnswerQuietly(-1);
}

void QtExerciseControls::selectAnswerQuietly(std::int16_t position) {
    QListWidget& list = answers();
    QItemSelectionModel& selection = *list.selectionModel();
    if (position < 0) {
        // The focus mark stays: the pupil goes on from where the name was.
        selection.clearSelection();
        return;
    }
    selection.select(list.model()->index(position, 0), QItemSelectionModel::ClearAndSelect);
}

void QtExerciseControls::markAnswerQuietly(int position) {
    QListWidget& list = answers();
    if (position >= 0) {
        list.selectionModel()->setCurrentIndex(list.model()->index(position, 0),
                                               QItemSelectionModel::NoUpdate);
    }
}

void QtExerciseControls::setMessage(const std::string& text) {
    const Changing changing(*this);
    existing(widgets_.message, "Text1 element 0").setPlainText(toQtLines(text));
}

}  // namespace veltara
