#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <future>
#include <string>
#include <utility>

#include "common/text/cp1252.h"

// Named pipes that nobody writes to, and a guard that turns a read waiting on one into a test
// failure instead of a hung test run.

inline void makePipe(const std::string& path) {
    std::filesystem::remove(common::toPath(path));
    ASSERT_EQ(::mkfifo(common::toPath(path).c_str(), 0600), 0) << path;
}

// Opens and closes the writing end of every pipe in the folder, which releases a reader stuck on
// one of them.
inline void releasePipes(const std::filesystem::path& folder) {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        if (entry.is_fifo(ec)) {
            const int fd = ::open(entry.path().c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0) {
                ::close(fd);
            }
        }
    }
}

// Runs an action that must not wait on the folder's pipes. Should it wait, the test fails and
// releases it, so that a fault shows as a failure, never as a hung test run.
template <typename Action>
inline auto finishesPromptly(const std::filesystem::path& folder, Action action) {
    auto done = std::async(std::launch::async, std::move(action));
    if (done.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
        ADD_FAILURE() << "the action waited on a named pipe";
        while (done.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready) {
            releasePipes(folder);
        }
    }
    return done.get();
}
