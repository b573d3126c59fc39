#include "web_exercise_controls.h"

namespace veltara {

void WebExerciseControls::attachMessageArea(dom::Element box, dom::Element spoken) {
    message_ = box;
    spoken_ = spoken;
}

std::string WebExerciseControls::planetCaption(std::int16_t element) const {
    return planets_.caption(element);
}

void WebExerciseControls::setPlanetCaption(std::int16_t element, const std::string& caption) {
    planets_.setCaption(element, caption);
}

void WebExerciseControls::setPlanetSelectedOff(std::int16_t element) {
    planets_.setSelectedOff(element);
}

std::string WebExerciseControls::answerItem(std::int16_t position) const {
    return answers_.item(position);
}

std::string WebExerciseControls::referenceItem(std::int16_t position) const {
    return hidden_.referenceItem(position);
}

void WebExerciseControls::appendAnswer(const std::string& item) { answers_.append(item); }

void WebExerciseControls::removeAnswer(std::int16_t position) { answers_.remove(position); }

void WebExerciseControls::removeAllAnswers() { answers_.removeAll(); }

std::int16_t WebExerciseControls::answerSelection() const { return answers_.selection(); }

void WebExerciseControls::clearAnswerSelection() { answers_.clearSelection(); }

void WebExerciseControls::setMessage(const std::string& text) {
    dom::setValue(message_, text);
    // Only a verdict is written with words; "Чисти" writes the empty text,
    // and the announced verdict goes with it.
    if (text.empty()) {
        dom::removeChildren(spoken_);
    } else {
        dom::announce(spoken_, text);
    }
}

}  // namespace veltara
