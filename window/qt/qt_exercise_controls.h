// The exercise's control operations on the real widgets. While one of these
// operations runs, the widgets' own signals are not reports of the pupil's
// clicks: isChanging() tells the window to ignore them.
#pragma once

#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <array>

#include "catalogue.h"
#include "exercise_controls.h"
#include "hidden_controls.h"
#include "planet_button.h"

namespace veltara {

struct ExerciseWidgets {
    std::array<QPointer<PlanetButton>, kPlanetCount> planets;
    QPointer<QListWidget> answers;
    QPointer<QPlainTextEdit> message;
};

class QtExerciseControls final : public ExerciseControls {
public:
    explicit QtExerciseControls(ExerciseWidgets widgets) : widgets_(std::move(widgets)) {}

    bool isChanging() const { return changing_ > 0; }
    const HiddenControls& hidden() const { return hidden_; }

    std::string planetCaption(std::int16_t element) const override;
    void setPlanetCaption(std::int16_t element, const std::string& caption) override;
    void setPlanetSelectedOff(std::int16_t element) override;
    std::string answerItem(std::int16_t position) const override;
    std::string referenceItem(std::int16_t position) const override;
    void appendAnswer(const std::string& item) override;
    void removeAnswer(std::int16_t position) override;
    void removeAllAnswers() override;
    std::int16_t answerSelection() const override;
    void clearAnswerSelection() override;
    void setMessage(const std::string& text) override;

private:
    class Changing;

    PlanetButton& planet(std::int16_t element) const;
    QListWidget& answers() const;
    void selectAnswerQuietly(std::int16_t position);
    void markAnswerQuietly(int position);

    ExerciseWidgets widgets_;
    HiddenControls hidden_{mainFormDescription()};
    int changing_ = 0;
};

}  // namespace veltara
