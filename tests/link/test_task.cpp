#include <QtTest>

#include "link/Task.h"
#include "platform/OperationError.h"

namespace {

// A point where a task waits until the test resumes it.
struct Gate {
    std::coroutine_handle<> waiting;
    bool await_ready() const noexcept { return false; }
    void await_suspend(std::coroutine_handle<> h) noexcept { waiting = h; }
    void await_resume() const noexcept {}
    void open() { std::exchange(waiting, nullptr).resume(); }
};

Task<int> Value(Gate* gate, int v) {
    if (gate) co_await *gate;
    co_return v;
}

Task<int> Sum(Gate* gate) {
    const int a = co_await Value(nullptr, 1);
    const int b = co_await Value(gate, 2);
    co_return a + b;
}

Task<void> Fail(Gate* gate) {
    co_await *gate;
    throw OperationError(ErrNo::kPortNotOpen, QStringLiteral("lost"));
}

Task<int> Depth(int n) {
    if (n == 0) co_return 0;
    co_return 1 + co_await Depth(n - 1);
}

// Notes its end in `ended` however its frame goes.
struct EndNote {
    QStringList* ended;
    QString name;
    ~EndNote() { *ended << name; }
};

Task<void> Held(Gate* gate, QStringList* ended, QString name) {
    const EndNote note{ended, name};
    co_await *gate;
}

Task<void> Outer(Gate* gate, QStringList* ended) {
    const EndNote note{ended, QStringLiteral("outer")};
    co_await Held(gate, ended, QStringLiteral("inner"));
}

}  // namespace

class TaskTest : public QObject {
    Q_OBJECT
  private slots:
    // Lazy until started, suspended where it waits, its value handed to the awaiter and the
    // completion handler called once at the end.
    void runsToItsEndAcrossSuspensions() {
        Gate gate;
        int result = 0;
        int calls = 0;
        Task<int> sum = Sum(&gate);
        QVERIFY(!sum.done());
        auto job = [&]() -> Task<void> { result = co_await Sum(&gate); };
        Started started(job(), [&](std::exception_ptr error) {
            QVERIFY(!error);
            ++calls;
        });
        QVERIFY(started.running());
        QCOMPARE(calls, 0);
        gate.open();
        QVERIFY(!started.running());
        QCOMPARE(result, 3);
        QCOMPARE(calls, 1);
        // Started by hand, its result taken once done.
        sum.start();
        gate.open();
        QVERIFY(sum.done());
        QCOMPARE(sum.result(), 3);
        // A long chain of awaits does not grow the stack.
        Task<int> deep = Depth(10000);
        deep.start();
        QCOMPARE(deep.result(), 10000);
    }

    // An exception goes up through each awaiter to the completion handler; destroying a task
    // suspended inside another destroys both frames without calling the handler.
    void failuresAndDestructionReachTheTop() {
        Gate gate;
        int failures = 0;
        const auto caught = [&]() -> Task<void> {
            try {
                co_await Fail(&gate);
            } catch (const OperationError& e) {
                failures += e.number == ErrNo::kPortNotOpen;
            }
        };
        Started first(caught(), {});
        gate.open();
        QCOMPARE(failures, 1);
        std::exception_ptr seen;
        Started second(Fail(&gate), [&](std::exception_ptr error) { seen = error; });
        gate.open();
        QVERIFY_THROWS_EXCEPTION(OperationError, std::rethrow_exception(seen));

        QStringList ended;
        bool called = false;
        {
            Started held(Outer(&gate, &ended), [&](std::exception_ptr) { called = true; });
            QVERIFY(ended.isEmpty());
        }
        QCOMPARE(ended, (QStringList{"inner", "outer"}));
        QVERIFY(!called);
    }
};

QTEST_GUILESS_MAIN(TaskTest)
#include "test_task.moc"
