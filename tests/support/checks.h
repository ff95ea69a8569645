#pragma once
#include <chrono>
#include <exception>
#include <functional>
#include <string>
#include <thread>

// The message of the exception `action` throws, or "nothing thrown".
inline std::string thrownBy(const std::function<void()>& action)
{
    try {
        action();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "nothing thrown";
}

// Polls `condition` until it holds or `limit` passes.
inline bool eventually(const std::function<bool()>& condition,
                       std::chrono::seconds limit = std::chrono::seconds(5))
{
    auto deadline = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < deadline) {
        if (condition())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return condition();
}
