// The exercise's one window, built from its description. It owns every
// control and the exercise, and forwards the pupil's clicks to the exercise.
#pragma once

#include <QWidget>
#include <cstdint>
#include <memory>

#include "ordering_exercise.h"
#include "qt_exercise_controls.h"

class QPushButton;

namespace veltara {

struct ControlDescription;

class MainForm final : public QWidget {
public:
    MainForm();

    // The reference list and the quotation, which are no widgets.
    const HiddenControls& hidden() const { return controls_->hidden(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildControl(const ControlDescription& control, QWidget* frame);
    void chainTabOrder();
    void connectClicks();
    // Runs one of the exercise's handlers; an error from a control operation
    // ends the program with the report.
    void report(void (OrderingExercise::*handler)(std::int16_t), std::int16_t element);

    ExerciseWidgets widgets_;
    QPushButton* clearButton_ = nullptr;
    std::unique_ptr<QtExerciseControls> controls_;
    std::unique_ptr<OrderingExercise> exercise_;
};

}  // namespace veltara
