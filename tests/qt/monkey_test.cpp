// Random mouse clicks and key presses anywhere in the window; after each one
// the widgets must still tell a consistent story.
#include <QPlainTextEdit>
#include <random>

#include "window_fixture.h"
#include "window_scenarios.h"

namespace veltara::testing {
namespace {

class Monkey : public WindowTest, public ::testing::WithParamInterface<std::uint32_t> {};

TEST_P(Monkey, RandomInputKeepsTheExerciseConsistent) {
    const std::uint32_t seed = GetParam();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    auto below = [&random](int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random); };
    const std::string hidden = quotation();
    const QList<QWidget*> targets = form().findChildren<QWidget*>();
    const std::array keys{Qt::Key_Tab,  Qt::Key_Backtab, Qt::Key_Up,     Qt::Key_Down,
                          Qt::Key_Left, Qt::Key_Right,   Qt::Key_Space,  Qt::Key_Return,
                          Qt::Key_Escape, Qt::Key_Home,  Qt::Key_End,    Qt::Key_PageDown,
                          Qt::Key_A};
    constexpr int kEvents = 6000;
    for (int event = 0; event < kEvents; ++event) {
        SCOPED_TRACE("event " + std::to_string(event));
        const int kind = below(100);
        if (kind < 70) {
            // Mostly the planet buttons, so that all thirteen get placed
            // often; then the answer list, then anywhere at all.
            QWidget* widget = nullptr;
            if (kind < 45) {
                widget = planet(below(13));
            } else if (kind < 53) {
                widget = answerList()->viewport();
            } else {
                widget = targets.at(below(static_cast<int>(targets.size())));
            }
            QPoint at(below(form().width()), below(form().height()));
            if (kind < 60 && widget->isVisible()) {
                at = widget->mapTo(&form(), QPoint(below(std::max(1, widget->width())),
                                                   below(std::max(1, widget->height()))));
            }
            QWidget* target = form().childAt(at);
            if (target == nullptr) {
                target = &form();
            }
            const QPoint local = target->mapFrom(&form(), at);
            if (below(12) == 0) {
                QTest::mouseDClick(target, Qt::LeftButton, Qt::NoModifier, local);
            } else {
                QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, local);
            }
        } else {
            const Qt::Key key = keys.at(static_cast<std::size_t>(below(static_cast<int>(keys.size()))));
            QWidget* focus = QApplication::focusWidget();
            QTest::keyClick(focus != nullptr ? focus : &form(), key);
        }
        expectConsistent(*this, hidden);
        if (HasFatalFailure()) {
            return;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(FixedSeeds, Monkey, ::testing::Values(7U, 20261208U));

}  // namespace
}  // namespace veltara::testing
