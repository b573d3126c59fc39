#include "ordering_exercise.h"

#include <string>

#include "verdicts.h"

namespace veltara {

namespace {
// Loops run over the thirteen planet elements by their literal bounds, never
// by a count read back from a control.
constexpr std::int16_t kFirstPlanet = 0;
constexpr std::int16_t kLastPlanet = 12;
constexpr std::int16_t kAllPlanets = 13;
}  // namespace

void OrderingExercise::Option1_Click(std::int16_t Index) {
    SelectedIndex = Index;
    // A planet whose caption is empty is in the answer list already.
    if (!controls_.planetCaption(Index).empty()) {
        AddChosenPlanet();
        CheckOrder();
    }
}

void OrderingExercise::List1_Click(std::int16_t Index) {
    if (Index != 0) {
        return;
    }
    std::int16_t k = controls_.answerSelection();
    for (std::int16_t i = kFirstPlanet; i <= kLastPlanet; ++i) {
        const std::string reference = controls_.referenceItem(i);
        if (reference == controls_.answerItem(k)) {
            controls_.setPlanetCaption(i, reference);
            controls_.removeAnswer(k);
            // Item -1 reads as the empty text and no name is empty, so the
            // rest of the loop matches nothing: one item at most per click.
            k = -1;
        }
    }
    controls_.clearAnswerSelection();
}

void OrderingExercise::Command1_Click(std::int16_t Index) {
    if (Index != 0) {
        return;
    }
    ResetExercise();
    controls_.setMessage("");
}

void OrderingExercise::AddChosenPlanet() {
    controls_.appendAnswer(controls_.planetCaption(SelectedIndex));
    controls_.setPlanetCaption(SelectedIndex, "");
}

void OrderingExercise::CheckOrder() {
    std::int16_t chosen = 0;
    for (std::int16_t i = kFirstPlanet; i <= kLastPlanet; ++i) {
        if (controls_.planetCaption(i).empty()) {
            ++chosen;
        }
    }
    if (chosen < kAllPlanets) {
        return;
    }
    // Every position is compared; the count of mismatches only decides
    // between the two verdicts.
    std::int16_t mismatches = 0;
    for (std::int16_t i = kFirstPlanet; i <= kLastPlanet; ++i) {
        if (controls_.answerItem(i) != controls_.referenceItem(i)) {
            ++mismatches;
        }
    }
    controls_.setMessage(std::string(mismatches == 0 ? kRightOrderVerdict : kWrongOrderVerdict));
}

void OrderingExercise::ResetExercise() {
    controls_.removeAllAnswers();
    for (std::int16_t i = kFirstPlanet; i <= kLastPlanet; ++i) {
        controls_.setPlanetSelectedOff(i);
        // Captions come back from the reference list, which holds the
        // catalogue's names in the buttons' order.
        controls_.setPlanetCaption(i, controls_.referenceItem(i));
    }
}

}  // namespace veltara
