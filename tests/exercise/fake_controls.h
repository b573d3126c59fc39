// A set of controls held in plain memory, keeping the contract of the control
// operations and the reporting rules a window keeps: a planet button reports
// a click only when it goes from not selected to selected, the answer list
// reports when its selection changes, and clearing a set selection reports
// one more (nested) click on the list.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "catalogue.h"
#include "exercise_controls.h"
#include "ordering_exercise.h"

namespace veltara::testing {

class FakeControls final : public ExerciseControls {
public:
    static constexpr std::int16_t kNone = -1;

    FakeControls();

    // What a pupil does; each reports to the exercise as a window would.
    void pressPlanet(std::int16_t element);
    void selectAnswer(std::int16_t position);
    void pressClear();
    // Sets the answer list's selection as a program would, reporting nothing.
    void markAnswerSelected(std::int16_t position) { answerSelection_ = position; }
    OrderingExercise& exercise() { return exercise_; }

    // What a pupil sees.
    const std::array<std::string, kPlanetCount>& captions() const { return captions_; }
    const std::vector<std::string>& answers() const { return answers_; }
    const std::string& message() const { return message_; }
    std::int16_t selectedPlanet() const { return selectedPlanet_; }

    std::string planetCaption(std::int16_t element) const override;
    void setPlanetCaption(std::int16_t element, const std::string& caption) override;
    void setPlanetSelectedOff(std::int16_t element) override;
    std::string answerItem(std::int16_t position) const override;
    std::string referenceItem(std::int16_t position) const override;
    void appendAnswer(const std::string& item) override;
    void removeAnswer(std::int16_t position) override;
    void removeAllAnswers() override;
    std::int16_t answerSelection() const override { return answerSelection_; }
    void clearAnswerSelection() override;
    void setMessage(const std::string& text) override { message_ = text; }

private:
    static std::size_t planetSlot(std::int16_t element);

    std::array<std::string, kPlanetCount> captions_;
    std::vector<std::string> answers_;
    std::vector<std::string> references_;
    std::string message_ = "assignment";
    std::int16_t selectedPlanet_ = kNone;
    std::int16_t answerSelection_ = kNone;
    OrderingExercise exercise_{*this};
};

}  // namespace veltara::testing
