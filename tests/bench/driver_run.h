#pragma once

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "tests/common/temp_folder.h"

// What a headless driver did when run from outside: its exit code and both output streams.
struct DriverRun {
    int code = -1;
    std::string out;
    std::string err;
};

// Runs the driver at the path given, in a start folder of its own, with the arguments given.
inline DriverRun runDriverAt(const std::string& driver, const std::vector<std::string>& args) {
    TempFolder start;
    const std::string outPath = start.file("stdout.txt");
    const std::string errPath = start.file("stderr.txt");
    std::string program = driver;
    std::vector<std::string> copies = args;
    std::vector<char*> argv{program.data()};
    for (std::string& arg : copies) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (out < 0 || err < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0 ||
            ::chdir(start.text().c_str()) != 0) {
            ::_exit(126);
        }
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    DriverRun run;
    int status = 0;
    if (child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status)) {
        run.code = WEXITSTATUS(status);
    }
    run.out = start.read("stdout.txt");
    run.err = start.read("stderr.txt");
    return run;
}
