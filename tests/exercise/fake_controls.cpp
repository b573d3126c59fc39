#include "fake_controls.h"

#include <stdexcept>

namespace veltara::testing {

FakeControls::FakeControls() {
    for (const PlanetRow& row : kCatalogue) {
        captions_.at(static_cast<std::size_t>(row.index)) = std::string(row.name);
        references_.emplace_back(row.name);
    }
}

void FakeControls::pressPlanet(std::int16_t element) {
    planetSlot(element);
    if (selectedPlanet_ == element) {
        return;  // pressing the selected button reports nothing
    }
    selectedPlanet_ = element;
    exercise_.Option1_Click(element);
}

void FakeControls::selectAnswer(std::int16_t position) {
    if (position < kNone || position >= static_cast<std::int16_t>(answers_.size())) {
        throw std::out_of_range("no such answer item");
    }
    if (position == answerSelection_) {
        return;
    }
    answerSelection_ = position;
    exercise_.List1_Click(0);
}

void FakeControls::pressClear() { exercise_.Command1_Click(0); }

std::size_t FakeControls::planetSlot(std::int16_t element) {
    if (element < 0 || element >= kPlanetCount) {
        throw std::out_of_range("no such planet button");
    }
    return static_cast<std::size_t>(element);
}

std::string FakeControls::planetCaption(std::int16_t element) const {
    return captions_[planetSlot(element)];
}

void FakeControls::setPlanetCaption(std::int16_t element, const std::string& caption) {
    captions_[planetSlot(element)] = caption;
}

void FakeControls::setPlanetSelectedOff(std::int16_t element) {
    planetSlot(element);
    if (selectedPlanet_ == element) {
        selectedPlanet_ = kNone;
    }
}

namespace {
std::string itemAt(const std::vector<std::string>& items, std::int16_t position) {
    if (position < 0 || static_cast<std::size_t>(position) >= items.size()) {
        return {};
    }
    return items[static_cast<std::size_t>(position)];
}
}  // namespace

std::string FakeControls::answerItem(std::int16_t position) const {
    return itemAt(answers_, position);
}

std::string FakeControls::referenceItem(std::int16_t position) const {
    return itemAt(references_, position);
}

void FakeControls::appendAnswer(const std::string& item) { answers_.push_back(item); }

void FakeControls::removeAnswer(std::int16_t position) {
    if (position < 0 || static_cast<std::size_t>(position) >= answers_.size()) {
        throw std::out_of_range("no such answer item");
    }
    answers_.erase(answers_.begin() + position);
    if (answerSelection_ == position) {
        answerSelection_ = kNone;
    } else if (answerSelection_ > position) {
        --answerSelection_;
    }
}

void FakeControls::removeAllAnswers() {
    answers_.clear();
    answerSelection_ = kNone;
}

void FakeControls::clearAnswerSelection() {
    if (answerSelection_ == kNone) {
        return;
    }
    answerSelection_ = kNone;
    // The one nesting a window may show: clearing a set selection reports
    // one more click on the answer list while the first is still running.
    exercise_.List1_Click(0);
}

}  // namespace veltara::testing
