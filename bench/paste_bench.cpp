// The long paste through the real widgets, offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "arithmetic/operation.h"
#include "fakes.h"
#include "frame/exercise_window.h"
#include "ui/bare_arguments.h"
#include "ui/fonts.h"
#include "ui/palette.h"
#include "ui/program_view.h"

namespace {

using namespace vertola;

// The addition window of level 999, as its row names it.
const WindowId kAddition = *windowOf(Unit::Addition, Level::L999);

// From Ctrl+V in the units cell to the judged check: the paste, the cell's text reaching the
// program, the click, the reading of the joined row, the message and the emptied cells. The
// pasted text is blanks with the right sum at its end, so the whole of it is read.
void pasteAndCheck(benchmark::State& state) {
    const auto size = static_cast<qsizetype>(state.range(0));
    fakes::Harness core;
    ui::ProgramView view(core.program);
    core.program.open(kAddition);
    view.sync();
    ui::WindowWidget* window = view.widget(kAddition);
    auto* cell = qobject_cast<QLineEdit*>(window->control("txturis"));
    auto* check = qobject_cast<QPushButton*>(window->control(layoutOf(kAddition).checkButton));
    auto* message = qobject_cast<QLabel*>(window->control("lblmessaggio"));
    for (auto _ : state) {
        state.PauseTiming();
        const auto& exercise = static_cast<const ExerciseWindow&>(*core.program.window(kAddition));
        const QString answer = QString::number(expectedResult(exercise.esercizio()));
        QGuiApplication::clipboard()->setText(QString(size - answer.size(), ' ') + answer);
        cell->setFocus();
        state.ResumeTiming();
        QTest::keyClick(cell, Qt::Key_V, Qt::ControlModifier);
        check->click();
        if (message->text().toStdString() != kRightMessage) {
            state.SkipWithError("the pasted sum was not judged right");
            break;
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * size);
}
BENCHMARK(pasteAndCheck)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
    benchmark::Initialize(&argc, argv);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ui::BareArguments arguments(argv[0]);
    QApplication app(arguments.argc(), arguments.argv());
    ui::installFontSubstitutions();
    ui::installFixedLook();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
