// Generator<T>: a coroutine that hands out values one at a time with
// co_yield. It runs only while next() asks for the next value, so an
// algorithm written as a generator stops at each co_yield without waiting
// for anything: whoever holds the generator decides when it goes on.
// An exception thrown inside comes out of next(). Destroying a generator
// that has not ended destroys the coroutine's locals where it stopped.
#pragma once

#include <coroutine>
#include <exception>
#include <optional>
#include <utility>

template <typename T>
class Generator {
public:
    struct promise_type {
        std::optional<T> value;
        std::exception_ptr error;

        Generator get_return_object() {
            return Generator(std::coroutine_handle<promise_type>::from_promise(*this));
        }
        std::suspend_always initial_suspend() noexcept { return {}; }
        std::suspend_always final_suspend() noexcept { return {}; }
        std::suspend_always yield_value(T produced) {
            value = std::move(produced);
            return {};
        }
        void return_void() {}
        void unhandled_exception() { error = std::current_exception(); }
    };

    Generator(Generator&& other) noexcept : handle_(std::exchange(other.handle_, {})) {}
    Generator& operator=(Generator&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, {});
        }
        return *this;
    }
    Generator(const Generator&) = delete;
    Generator& operator=(const Generator&) = delete;
    ~Generator() { reset(); }

    // Runs to the next co_yield and gives its value; nothing once the
    // coroutine has returned.
    std::optional<T> next() {
        if (!handle_ || handle_.done()) return std::nullopt;
        handle_.promise().value.reset();
        handle_.resume();
        if (handle_.promise().error)
            std::rethrow_exception(std::exchange(handle_.promise().error, {}));
        if (handle_.done()) return std::nullopt;
        return std::move(handle_.promise().value);
    }
    bool done() const { return !handle_ || handle_.done(); }

private:
    explicit Generator(std::coroutine_handle<promise_type> handle) : handle_(handle) {}
    void reset() {
        if (handle_) handle_.destroy();
        handle_ = {};
    }

    std::coroutine_handle<promise_type> handle_;
};
