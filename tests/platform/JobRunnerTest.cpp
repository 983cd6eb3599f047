// The job runner under the UI thread's two ways of getting to a job's
// pieces, the event loop and Wait, and a work function run both on the
// runner and inline, without threads.

#include "platform/jobs/JobRunner.h"

#include <gtest/gtest.h>

#include <QtCore/qtestsupport_core.h>
#include <QCoreApplication>
#include <atomic>
#include <chrono>
#include <future>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/jobs/JobContext.h"

namespace orelle {
namespace {

using Job = JobRunner::Job;
using Texts = std::vector<std::string>;

// The longest wait: it only keeps a broken runner from hanging the run.
constexpr int kSafetyMs = 20000;

// Set on the worker, waited for by the test.
struct Signal {
    std::promise<void> promise;
    std::future<void> future = promise.get_future();
    void Set() { promise.set_value(); }
    bool Ready() {
        return future.wait_for(std::chrono::milliseconds(kSafetyMs)) == std::future_status::ready;
    }
};

// Set when the thread that made it exits, which is after the worker queued
// its last piece.
struct ThreadExit {
    Signal* exited;
    ~ThreadExit() { exited->Set(); }
};

// A worker in the manner of the station's copies: the copies go to the UI
// thread as they are made, one step each, and a bad file asks whether to
// go on without it.
void CopyFiles(JobContext& context, const Texts& files, Texts& copies) {
    for (const std::string& file : files) {
        if (context.Stopped()) return;
        if (file.starts_with("bad")) {
            if (!context.Ask("skip " + file + "?")) return;
            continue;
        }
        context.Post([&copies, file] { copies.push_back(file); });
        context.Step();
    }
}

const Texts kFiles{"a", "b", "bad1", "c", "bad2", "d"};

struct CopyRun {
    Texts copies;
    Texts questions;
    int steps = 0;
};

CopyRun CopyInline(bool goOn) {
    InlineJobContext context;
    context.answer = [goOn](const std::string&) { return goOn; };
    Texts copies;
    CopyFiles(context, kFiles, copies);
    return {copies, context.questions, context.steps};
}

class JobRunnerTest : public ::testing::Test {
  protected:
    CopyRun CopyOnRunner(bool goOn) {
        CopyRun run;
        Run({
            .work = [&](JobContext& c) { CopyFiles(c, kFiles, run.copies); },
            .step = [&] { ++run.steps; },
            .ask =
                [&](const std::string& q) {
                    EXPECT_EQ(std::this_thread::get_id(), ui);
                    run.questions.push_back(q);
                    return goOn;
                },
        });
        return run;
    }
    void Run(Job job) {
        ASSERT_TRUE(runner.Start(std::move(job)));
        runner.Wait();
    }
    // Every job, however it ended, leaves the runner idle and the flag down.
    void TearDown() override {
        EXPECT_FALSE(runner.Running());
        EXPECT_FALSE(busy);
    }
    // A job whose steps and done are counted.
    Job Counted(std::function<void(JobContext&)> work) {
        return {
            .work = std::move(work), .done = [this] { done = true; }, .step = [this] { ++steps; }};
    }
    std::function<void()> Log(const std::string& what) {
        return [this, what] { order.push_back(what); };
    }

    std::atomic<bool> busy{false};
    JobRunner runner{busy};
    const std::thread::id ui = std::this_thread::get_id();
    int steps = 0;
    bool done = false;
    Texts order;
};

TEST_F(JobRunnerTest, CopiesTheSameInlineAndOnTheRunner) {
    struct Case {
        bool goOn;
        Texts copies, questions;
        int steps;
    };
    for (const Case& c : {Case{true, {"a", "b", "c", "d"}, {"skip bad1?", "skip bad2?"}, 4},
                          Case{false, {"a", "b"}, {"skip bad1?"}, 2}}) {
        SCOPED_TRACE(c.goOn);
        for (const CopyRun& run : {CopyInline(c.goOn), CopyOnRunner(c.goOn)}) {
            EXPECT_EQ(run.copies, c.copies);
            EXPECT_EQ(run.questions, c.questions);
            EXPECT_EQ(run.steps, c.steps);
        }
    }
    // Nobody to answer says no.
    EXPECT_FALSE(InlineJobContext().Ask("go on?"));
}

TEST(InlineJobContext, NothingGetsThroughOnceStopped) {
    InlineJobContext context;
    Texts copies;
    context.answer = [](const std::string&) { return true; };
    context.onStep = [&] {
        if (context.steps == 2) context.Stop();
    };
    CopyFiles(context, kFiles, copies);
    EXPECT_EQ(copies, (Texts{"a", "b"}));
    EXPECT_TRUE(context.questions.empty());

    bool posted = false;
    context.Post([&] { posted = true; });
    context.Step();
    EXPECT_FALSE(context.Ask("go on?"));
    EXPECT_FALSE(posted);
    EXPECT_EQ(context.steps, 2);
    EXPECT_TRUE(context.questions.empty());
}

TEST_F(JobRunnerTest, BeforeRunsQueuedOnTheUiThreadAndBeforeTheWorkAndMayGiveItUp) {
    bool beforeSeen = false;
    ASSERT_TRUE(runner.Start({
        .before =
            [&] {
                EXPECT_EQ(std::this_thread::get_id(), ui);
                order.push_back("before");
            },
        .work = [&](JobContext&) { beforeSeen = order == Texts{"before"}; },
        .done = Log("done"),
    }));
    EXPECT_TRUE(order.empty()) << "before waits for the events that led to Start";
    runner.Wait();
    EXPECT_TRUE(beforeSeen);
    EXPECT_EQ(order, (Texts{"before", "done"}));

    // A job of before alone runs its done after it, with no worker.
    order.clear();
    Run({.before = Log("before"), .done = Log("done")});
    EXPECT_EQ(order, (Texts{"before", "done"}));

    // A before that stops the job: no work, no done.
    bool worked = false;
    Job stopped = Counted([&](JobContext&) { worked = true; });
    stopped.before = [&] { runner.Stop(); };
    Run(std::move(stopped));
    EXPECT_FALSE(worked);
    EXPECT_FALSE(done);
}

TEST_F(JobRunnerTest, BusyFlagIsRaisedForTheWholeJob) {
    std::vector<bool> seen;  // before, work, step, done
    bool answer = true;
    ASSERT_TRUE(runner.Start({
        .before = [&] { seen.push_back(busy); },
        .work =
            [&](JobContext& c) {
                seen.push_back(busy);
                answer = c.Ask("anyone?");  // a job without ask gets no at once
                c.Step();
            },
        .done = [&] { seen.push_back(busy); },
        .step = [&] { seen.push_back(busy); },
    }));
    EXPECT_TRUE(busy) << "raised by Start, before anything runs";
    runner.Wait();
    EXPECT_FALSE(answer);
    EXPECT_EQ(seen, (std::vector<bool>{true, true, true, true}));
}

TEST_F(JobRunnerTest, StartIsRefusedWhileTheFlagIsRaised) {
    busy = true;  // raised by someone else
    bool ran = false;
    const Job job{.before = [&] { ran = true; }, .work = [&](JobContext&) { ran = true; }};
    EXPECT_FALSE(runner.Start(job));
    runner.Wait();
    QCoreApplication::processEvents();
    EXPECT_FALSE(ran);
    EXPECT_FALSE(runner.Running());
    EXPECT_TRUE(busy) << "a refused Start leaves another's flag alone";

    // Another runner's job holds it, and so does this runner's own.
    busy = false;
    JobRunner other(busy);
    ASSERT_TRUE(other.Start({.work = [](JobContext&) {}}));
    EXPECT_FALSE(runner.Start(job));
    EXPECT_FALSE(other.Start(job));
    other.Wait();
    EXPECT_FALSE(ran);
    Run(job);
    EXPECT_TRUE(ran);

    // A job with nothing to run.
    EXPECT_FALSE(runner.Start({.done = [] {}}));
}

TEST_F(JobRunnerTest, AJobChainedFromDoneKeepsTheFlagRaised) {
    JobRunner other(busy);
    bool gapChecked = false;
    const Job second{
        .before = [&] { order.push_back(busy ? "second before, busy" : "second before"); },
        .work = [](JobContext&) {},
        .done = Log("second done"),
    };
    ASSERT_TRUE(runner.Start({
        .work = [](JobContext&) {},
        .done =
            [&] {
                order.push_back("first done");
                // Runs between this done and the second job's before: the
                // flag must not drop in the gap.
                QMetaObject::invokeMethod(
                    qApp,
                    [&] {
                        gapChecked = true;
                        EXPECT_TRUE(busy);
                        EXPECT_FALSE(other.Start({.work = [](JobContext&) {}}));
                    },
                    Qt::QueuedConnection);
                EXPECT_FALSE(other.Start(second)) << "only this runner's job chains";
                EXPECT_TRUE(runner.Start(second));
                EXPECT_FALSE(runner.Start(second)) << "one job follows";
            },
    }));
    EXPECT_TRUE(QTest::qWaitFor([&] { return order.size() == 3; }, kSafetyMs));
    EXPECT_TRUE(gapChecked);
    EXPECT_EQ(order, (Texts{"first done", "second before, busy", "second done"}));
}

TEST_F(JobRunnerTest, StopReleasesAWaitingAskAndDropsTheRest) {
    int asked = 0;
    bool posted = false;
    std::vector<bool> answers;
    Job job = Counted([&](JobContext& c) {
        answers.push_back(c.Ask("go on?"));  // stopped while asked
        answers.push_back(c.Stopped());
        c.Step();
        c.Post([&] { posted = true; });
        answers.push_back(c.Ask("and now?"));
    });
    job.ask = [&](const std::string&) {
        ++asked;
        runner.Stop();  // the customer cancels while the question is open
        return true;
    };
    Run(std::move(job));
    EXPECT_EQ(answers, (std::vector<bool>{false, true, false}));
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(steps, 0);
    EXPECT_FALSE(posted);
    EXPECT_FALSE(done);
}

// Stopped, or destroyed, while its worker steps on.
TEST_F(JobRunnerTest, StopAndTheRunnersEndDropStepsAlreadyQueued) {
    for (const bool destroy : {false, true}) {
        SCOPED_TRACE(destroy ? "destroyed" : "stopped");
        auto doomed = std::make_unique<JobRunner>(busy);
        JobRunner& stopped = destroy ? *doomed : runner;
        Signal queued;
        ASSERT_TRUE(stopped.Start(Counted([&](JobContext& c) {
            for (int i = 0; i < 100; ++i) c.Step();
            queued.Set();
            while (!c.Stopped()) c.Step();
        })));
        QCoreApplication::processEvents();  // the before's turn starts the worker
        ASSERT_TRUE(queued.Ready());
        const int stepsAtStop = steps;
        if (destroy) {
            doomed.reset();
        } else {
            runner.Stop();
            EXPECT_TRUE(runner.Running()) << "until the worker has ended";
            EXPECT_TRUE(busy);
            runner.Wait();
        }
        QCoreApplication::processEvents();
        EXPECT_EQ(steps, stepsAtStop);
        EXPECT_FALSE(done);
    }
    // The next job starts afresh: the flag is down.
    Run(Counted([](JobContext&) {}));
    EXPECT_TRUE(done);
}

// Done runs once, on the UI thread, after everything the worker sent.
TEST_F(JobRunnerTest, WaitAndTheEventLoopDeliverEveryPieceInOrder) {
    constexpr int kSteps = 1000;
    std::vector<int> expected;  // posted i as i, a step as -1
    for (int i = 0; i < kSteps; ++i) expected.insert(expected.end(), {i, -1});
    for (const bool wait : {true, false}) {
        SCOPED_TRACE(wait ? "Wait right after Start" : "the event loop");
        std::vector<int> log;
        std::thread::id worker;
        int dones = 0;
        ASSERT_TRUE(runner.Start({
            .work =
                [&](JobContext& c) {
                    worker = std::this_thread::get_id();
                    for (int i = 0; i < kSteps; ++i) {
                        c.Post([&log, i] { log.push_back(i); });
                        c.Step();
                    }
                },
            .done =
                [&] {
                    EXPECT_EQ(std::this_thread::get_id(), ui);
                    EXPECT_NE(worker, ui);
                    EXPECT_EQ(log, expected) << "everything before the done";
                    ++dones;
                },
            .step = [&] { log.push_back(-1); },
        }));
        EXPECT_TRUE(runner.Running());
        if (wait) {
            runner.Wait();
        } else {
            EXPECT_TRUE(QTest::qWaitFor([&] { return dones == 1; }, kSafetyMs));
        }
        EXPECT_EQ(dones, 1) << "the done's own check saw everything";
        EXPECT_FALSE(runner.Running());
        // The event loop's queued deliveries find nothing left.
        QCoreApplication::processEvents();
        EXPECT_EQ(log, expected);
        EXPECT_EQ(dones, 1);
    }
}

TEST_F(JobRunnerTest, DestroyedWhileRunning) {
    bool ran = false;

    // Before the before ran.
    auto doomed = std::make_unique<JobRunner>(busy);
    ASSERT_TRUE(
        doomed->Start({.before = [&] { ran = true; }, .work = [&](JobContext&) { ran = true; }}));
    doomed.reset();
    QCoreApplication::processEvents();
    EXPECT_FALSE(ran);

    // While the worker waits on a question nobody has seen yet.
    doomed = std::make_unique<JobRunner>(busy);
    Signal asking;
    bool answer = true;
    ASSERT_TRUE(doomed->Start({
        .work =
            [&](JobContext& c) {
                asking.Set();
                answer = c.Ask("go on?");
            },
        .ask =
            [&](const std::string&) {
                ran = true;  // asked
                return true;
            },
    }));
    QCoreApplication::processEvents();
    ASSERT_TRUE(asking.Ready());
    doomed.reset();
    EXPECT_FALSE(answer);
    EXPECT_FALSE(ran) << "never asked";

    // From its own question: the window that owns it closes.
    doomed = std::make_unique<JobRunner>(busy);
    answer = true;
    Job closing = Counted([&](JobContext& c) { answer = c.Ask("close?"); });
    closing.ask = [&](const std::string&) {
        doomed.reset();
        return true;
    };
    ASSERT_TRUE(doomed->Start(std::move(closing)));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !doomed; }, kSafetyMs));
    EXPECT_FALSE(answer);
    EXPECT_FALSE(done);
}

TEST_F(JobRunnerTest, NestedLoopsRunNothingTwiceNorOutOfTurn) {
    // A modal question open while the customer cancels: the worker ends,
    // but the job is not over until the question closes.
    Signal exited;
    bool overDuringAsk = false;
    Run({
        .work =
            [&](JobContext& c) {
                thread_local ThreadExit signal{&exited};
                c.Ask("go on?");
            },
        .ask =
            [&](const std::string&) {
                runner.Stop();
                EXPECT_TRUE(exited.Ready());
                QCoreApplication::processEvents();  // the dialog's own loop
                overDuringAsk = !runner.Running() || !busy;
                return false;
            },
    });
    EXPECT_FALSE(overDuringAsk);

    // A done with a modal dialog, after chaining the next job: that one's
    // before waits for the done to return, Wait follows the chain to its
    // end, and nothing runs twice.
    Run({
        .work =
            [](JobContext& c) {
                for (int i = 0; i < 10; ++i) c.Step();
            },
        .done =
            [&] {
                runner.Start({
                    .before = Log("next before"),
                    .work = [](JobContext&) {},
                    .done = Log("next done"),
                });
                QCoreApplication::processEvents();
                order.push_back("done returns");
            },
        .step = [&] { ++steps; },
    });
    const Texts chain{"done returns", "next before", "next done"};
    EXPECT_EQ(order, chain);
    QCoreApplication::processEvents();
    EXPECT_EQ(steps, 10);
    EXPECT_EQ(order, chain);
}

TEST_F(JobRunnerTest, AnAbandonedWorkerIsNeitherWaitedForNorHeard) {
    auto release = std::make_shared<std::promise<void>>();
    auto ended = std::make_shared<std::promise<void>>();
    std::shared_future<void> go = release->get_future().share();
    {
        JobRunner abandoned(busy);
        ASSERT_TRUE(abandoned.Start(Counted([go, ended](JobContext& context) {
            go.wait();  // a read that hangs
            context.Step();
            context.Post([] {});
            ended->set_value();
        })));
        QCoreApplication::processEvents();  // the worker starts
        abandoned.Abandon();
        EXPECT_FALSE(abandoned.Running());
        EXPECT_FALSE(busy) << "the flag is down at once";
    }  // the runner goes while its worker still hangs
    release->set_value();
    ended->get_future().wait();
    QCoreApplication::processEvents();
    EXPECT_EQ(steps, 0);
    EXPECT_FALSE(done);
}

}  // namespace
}  // namespace orelle
