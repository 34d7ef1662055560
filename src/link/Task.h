#pragma once

#include <coroutine>
#include <exception>
#include <functional>
#include <optional>
#include <utility>

// A lazy coroutine: nothing runs until it is awaited (by another Task) or started at the top
// (`Started`). Awaiting one hands over to it at once (symmetric transfer), and its end hands
// back to the awaiter; an exception it lets through is thrown again in the awaiter. A Task owns
// its frame: destroying a suspended one destroys it and every Task it awaits.
//
// GCC 12 miscompiles an `if` whose condition awaits and whose branch co_returns (the coroutine
// never resumes): bind the awaited value to a local first, `const auto got = co_await …;`.
template <typename T = void>
class Task;

namespace task_detail {

struct PromiseBase {
    std::coroutine_handle<> continuation;
    std::exception_ptr error;

    std::suspend_always initial_suspend() noexcept { return {}; }
    struct FinalAwaiter {
        bool await_ready() noexcept { return false; }
        template <typename P>
        std::coroutine_handle<> await_suspend(std::coroutine_handle<P> done) noexcept {
            const std::coroutine_handle<> next = done.promise().continuation;
            return next ? next : std::noop_coroutine();
        }
        void await_resume() noexcept {}
    };
    FinalAwaiter final_suspend() noexcept { return {}; }
    void unhandled_exception() noexcept { error = std::current_exception(); }
    void rethrowError() const {
        if (error) std::rethrow_exception(error);
    }
};

template <typename T>
struct Promise : PromiseBase {
    std::optional<T> value;
    Task<T> get_return_object() noexcept;
    template <typename U>
    void return_value(U&& v) {
        value.emplace(std::forward<U>(v));
    }
    T take() {
        rethrowError();
        return std::move(*value);
    }
};

template <>
struct Promise<void> : PromiseBase {
    Task<void> get_return_object() noexcept;
    void return_void() noexcept {}
    void take() const { rethrowError(); }
};

}  // namespace task_detail

template <typename T>
class [[nodiscard]] Task {
  public:
    using promise_type = task_detail::Promise<T>;
    using Handle = std::coroutine_handle<promise_type>;

    Task() = default;
    explicit Task(Handle h) : handle_(h) {}
    Task(Task&& other) noexcept : handle_(std::exchange(other.handle_, {})) {}
    Task& operator=(Task&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, {});
        }
        return *this;
    }
    Task(const Task&) = delete;
    Task& operator=(const Task&) = delete;
    ~Task() { reset(); }

    bool valid() const { return static_cast<bool>(handle_); }
    bool done() const { return handle_ && handle_.done(); }

    auto operator co_await() && noexcept {
        struct Awaiter {
            Handle handle;
            bool await_ready() const noexcept { return !handle || handle.done(); }
            std::coroutine_handle<> await_suspend(std::coroutine_handle<> awaiting) noexcept {
                handle.promise().continuation = awaiting;
                return handle;
            }
            T await_resume() { return handle.promise().take(); }
        };
        return Awaiter{handle_};
    }

    // For the one who started it at the top: runs it until its first suspension.
    void start() {
        if (handle_ && !handle_.done()) handle_.resume();
    }
    // Its result once done (or the exception it ended with, thrown again).
    T result() { return handle_.promise().take(); }

  private:
    void reset() {
        if (handle_) handle_.destroy();
        handle_ = {};
    }

    Handle handle_;
};

namespace task_detail {
template <typename T>
Task<T> Promise<T>::get_return_object() noexcept {
    return Task<T>(std::coroutine_handle<Promise<T>>::from_promise(*this));
}
inline Task<void> Promise<void>::get_return_object() noexcept {
    return Task<void>(std::coroutine_handle<Promise<void>>::from_promise(*this));
}
}  // namespace task_detail

// A task started at the top: it runs at once until its first suspension, and the completion
// handler is called when it ends (with the exception it ended with, if any). Destroying a
// Started that has not ended destroys the task where it waits, without calling the handler.
class Started {
  public:
    using Done = std::function<void(std::exception_ptr error)>;

    Started() = default;
    template <typename T>
    Started(Task<T> task, Done done) : runner_(Run(std::move(task), std::move(done))) {
        runner_.start();
    }
    Started(Started&&) noexcept = default;
    Started& operator=(Started&&) noexcept = default;

    bool running() const { return runner_.valid() && !runner_.done(); }

  private:
    template <typename T>
    static Task<void> Run(Task<T> task, Done done) {
        std::exception_ptr error;
        try {
            co_await std::move(task);
        } catch (...) {
            error = std::current_exception();
        }
        if (done) done(error);
    }

    Task<void> runner_;
};
