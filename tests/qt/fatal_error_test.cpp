// An error while the window is built, or in a control operation while a
// handler runs, ends the program with a report, rather than unwinding
// through the event loop or into std::terminate.
#include <QProcess>

#include <stdexcept>

#include "fatal_guard.h"
#include "main_form_description.h"
#include "window_fixture.h"

namespace veltara::testing {
namespace {

using FatalError = WindowTest;

TEST_F(FatalError, AControlThatFailsEndsTheProgramWithAReport) {
    EXPECT_EXIT(
        {
            // The verdict check reads every planet button; one is gone.
            delete planet(12);
            click(planet(0));
        },
        ::testing::ExitedWithCode(1), "Option1 element 12 no longer exists");
}

TEST(FatalErrorAtStart, AWindowThatCannotBeBuiltEndsTheProgramWithAReport) {
    EXPECT_EXIT(runGuarded([]() -> int { throw std::runtime_error("Option1 element 3 cannot be created"); }),
                ::testing::ExitedWithCode(1),
                fatalErrorReport("Option1 element 3 cannot be created"));
}

// The program takes no arguments, the toolkit's own options included: told
// to run unseen, it still looks for its display. Where there is none, or
// its server is dead, it says so in its own words and ends with status 1.
TEST(ProgramStart, IgnoresItsArgumentsAndReportsAMissingDisplay) {
    for (const QString& display : {QString(), QStringLiteral(":9876")}) {
        SCOPED_TRACE("DISPLAY=" + display.toStdString());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environment.remove(QStringLiteral("DISPLAY"));
        if (!display.isEmpty()) {
            environment.insert(QStringLiteral("DISPLAY"), display);
        }
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(VELTARA_PROGRAM),
                      {QStringLiteral("-platform"), QStringLiteral("offscreen")});
        ASSERT_TRUE(program.waitForFinished(30000)) << "still running";
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), 1);
        EXPECT_EQ(program.readAllStandardError().toStdString(), cannotShowWindowReport() + "\n");
    }
}

}  // namespace
}  // namespace veltara::testing
