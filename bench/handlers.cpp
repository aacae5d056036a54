// The handlers timed on the running program, offscreen: each benchmark starts
// the whole program afresh in a temporary working directory, as the tests do,
// and times one handler run per iteration. Events that the handlers leave
// posted (repaints) are processed between benchmarks, not inside the timing.

#include "Running.h"

#include "bench/QuitWhenExposed.h"

#include <QAbstractButton>
#include <QListWidget>
#include <QMessageBox>

#include <benchmark/benchmark.h>

using fixtures::Running;

namespace {

// The program, started and on the screen; null, with the benchmark marked
// failed, when it did not start.
std::unique_ptr<Running> startedProgram(benchmark::State &state)
{
    auto program = std::make_unique<Running>();
    if (program->onScreen())
        return program;
    state.SkipWithError("the program did not start");
    return nullptr;
}

// Closes every message box with its OK button as soon as the box shows: the
// click is posted from the box's show event and runs in the box's own modal
// loop, at its first turn.
class MessageBoxCloser : public QObject {
public:
    MessageBoxCloser() { qApp->installEventFilter(this); }
    ~MessageBoxCloser() override { qApp->removeEventFilter(this); }

    int closed = 0;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            if (auto *box = qobject_cast<QMessageBox *>(watched)) {
                QMetaObject::invokeMethod(box->button(QMessageBox::Ok), &QAbstractButton::click, Qt::QueuedConnection);
                ++closed;
            }
        }
        return false;
    }
};

// One change of a count box: the set raises the change handler, which rebuilds
// the pattern in the result box in sixteen passes.
void countChange(benchmark::State &state)
{
    auto program = startedProgram(state);
    if (!program)
        return;
    toolkit::TextBox &box = program->main().txtSymetryElements[5];
    const QString values[2] = {QStringLiteral("1"), QStringLiteral("2")};
    int i = 0;
    for (auto _ : state) {
        box.setText(values[i]);
        i ^= 1;
    }
    if (program->main().txtResult.text() != QStringLiteral("0000020000000000")
        && program->main().txtResult.text() != QStringLiteral("0000010000000000"))
        state.SkipWithError("the pattern is not the one set");
}
BENCHMARK(countChange);

// One double-click step through a real double-click event on a count box: the
// box's own handling of the click, the step handler, and the change handler
// that the new count raises.
void doubleClickStep(benchmark::State &state)
{
    auto program = startedProgram(state);
    if (!program)
        return;
    QWidget *edit = program->main().txtSymetryElements[5].widget();
    QTest::mouseDClick(edit, Qt::LeftButton); // the focus arrives once, outside the timing
    for (auto _ : state)
        QTest::mouseDClick(edit, Qt::LeftButton);
    if (program->main().txtResult.text().size() != 16)
        state.SkipWithError("the pattern is not sixteen counts");
}
BENCHMARK(doubleClickStep);

// The step handler alone, called directly, with the change it raises.
void doubleClickHandler(benchmark::State &state)
{
    auto program = startedProgram(state);
    if (!program)
        return;
    for (auto _ : state)
        program->main().txtSymetryElements_DblClick(5);
}
BENCHMARK(doubleClickHandler);

// One model choice with a 300 x 200 picture: load, fit the viewer, place and
// show it. The choice alternates between two entries whose pictures are
// 300 x 200 and 200 x 300, so that every choice resizes the viewer.
void modelChoice(benchmark::State &state)
{
    auto program = startedProgram(state);
    if (!program)
        return;
    fixtures::writePicture(program->dir.path("CrystalModel_01.bmp"), 300, 200);
    fixtures::writePicture(program->dir.path("CrystalModel_02.bmp"), 200, 300);
    auto *list = static_cast<QListWidget *>(program->main().lstModel.widget());
    frmMain &w = program->main();
    int entry = 0;
    for (auto _ : state) {
        state.PauseTiming();
        list->setCurrentRow(entry);
        entry ^= 1;
        state.ResumeTiming();
        w.lstModel_Click();
    }
    if (program->subs().selectedModel != 2 - entry || !program->vornath.crystalModel->isVisible())
        state.SkipWithError("the model was not chosen");
}
BENCHMARK(modelChoice)->Unit(benchmark::kMicrosecond);

// One showing of the cards of a class: a 1024 x 228 system card above a
// 1019 x 368 class card.
void groupCardShowing(benchmark::State &state)
{
    auto program = startedProgram(state);
    if (!program)
        return;
    fixtures::writePicture(program->dir.path("CS_07.bmp"), 1024, 228);
    fixtures::writePicture(program->dir.path("CG32.bmp"), 1019, 368);
    frmGroupCard &card = *program->vornath.groupCard;
    for (auto _ : state)
        card.showCardsOfClass(32);
    if (!card.isVisible())
        state.SkipWithError("the cards were not shown");
}
BENCHMARK(groupCardShowing)->Unit(benchmark::kMicrosecond);

// One answer check of a wrong answer: the verdict's message box, closed at once.
void answerCheckWrong(benchmark::State &state)
{
    auto program = startedProgram(state);
    if (!program)
        return;
    program->subs().selectedModel = 1;
    program->main().txtSymetryElements[0].setText(QStringLiteral("1"));
    MessageBoxCloser closer;
    for (auto _ : state)
        program->main().cmdAccept_Click();
    if (closer.closed != static_cast<int>(state.iterations()))
        state.SkipWithError("not one message box per check");
}
BENCHMARK(answerCheckWrong)->Unit(benchmark::kMicrosecond);

// One answer check of a right answer: the verdict's message box, closed at
// once, then the showing of the group card of the model's class.
void answerCheckRight(benchmark::State &state)
{
    auto program = startedProgram(state);
    if (!program)
        return;
    fixtures::writePicture(program->dir.path("CS_05.bmp"), 1024, 228); // model 1 is of class 20
    fixtures::writePicture(program->dir.path("CG20.bmp"), 1019, 368);
    program->subs().selectedModel = 1;
    program->enterCounts(QStringLiteral("0106000000001016"));
    MessageBoxCloser closer;
    for (auto _ : state)
        program->main().cmdAccept_Click();
    if (closer.closed != static_cast<int>(state.iterations()) || !program->vornath.groupCard->isVisible())
        state.SkipWithError("the right answer did not show the cards");
}
BENCHMARK(answerCheckRight)->Unit(benchmark::kMicrosecond);

// Long input: a count of 100,000 characters. Each of these is timed up to the
// end of the repainting that follows, which for a text this long is part of
// what the learner waits for; the state before it is restored outside the
// timing.
constexpr int longLength = 100'000;

// Marks the benchmark failed unless the pattern holds the long count beside
// fifteen one-digit counts.
void expectLongPattern(benchmark::State &state, Running &program)
{
    if (program.main().txtResult.text().size() != longLength + 15)
        state.SkipWithError("the pattern does not hold the long count");
}

// A count of 100,000 digits set into box 0, which rebuilds the pattern from it.
void longCountEntered(benchmark::State &state)
{
    auto program = startedProgram(state);
    if (!program)
        return;
    toolkit::TextBox &box = program->main().txtSymetryElements[0];
    const QString text(longLength, u'1');
    for (auto _ : state) {
        box.setText(text);
        QCoreApplication::processEvents();
        state.PauseTiming();
        box.setText(QStringLiteral("0"));
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    box.setText(text);
    expectLongPattern(state, *program);
}
BENCHMARK(longCountEntered)->Unit(benchmark::kMillisecond);

// A count change in box 5 while box 0 holds 100,000 digits: every pass of the
// rebuild carries the long count.
void longCountRebuild(benchmark::State &state)
{
    auto program = startedProgram(state);
    if (!program)
        return;
    program->main().txtSymetryElements[0].setText(QString(longLength, u'1'));
    QCoreApplication::processEvents();
    toolkit::TextBox &box = program->main().txtSymetryElements[5];
    const QString values[2] = {QStringLiteral("1"), QStringLiteral("2")};
    int i = 0;
    for (auto _ : state) {
        box.setText(values[i]);
        i ^= 1;
        QCoreApplication::processEvents();
    }
    expectLongPattern(state, *program);
}
BENCHMARK(longCountRebuild)->Unit(benchmark::kMillisecond);

// A real double click on a count of 99,999 zeros and a 3, which steps it to 4.
void longCountDoubleClick(benchmark::State &state)
{
    auto program = startedProgram(state);
    if (!program)
        return;
    toolkit::TextBox &box = program->main().txtSymetryElements[9];
    const QString text = QString(longLength - 1, u'0') + u'3';
    for (auto _ : state) {
        state.PauseTiming();
        box.setText(text);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        QTest::mouseDClick(box.widget(), Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    if (box.text() != QStringLiteral("4"))
        state.SkipWithError("the long count did not step to 4");
}
BENCHMARK(longCountDoubleClick)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char *argv[])
{
    bench::useOffscreenPlatform();
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
