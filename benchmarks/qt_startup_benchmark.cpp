// How long the Linux window takes to appear: building the main window from
// its description and showing it, on Qt's offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "main_form.h"
#include "qt_style.h"

namespace {

void BuildAndShowMainForm(benchmark::State& state) {
    for (auto _ : state) {
        veltara::MainForm form;
        form.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(form.winId());
    }
}
BENCHMARK(BuildAndShowMainForm)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    veltara::useExerciseStyle();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
