#pragma once

#include <functional>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

// Runs work(child) in that many child processes at once, as so many workstations; true when every
// child ended without an exception.
inline bool allWorkstationsSucceed(int children, const std::function<void(int)>& work)
{
    std::vector<pid_t> pids;
    for (int c = 0; c < children; ++c) {
        const pid_t pid = fork();
        if (pid == 0) {
            try {
                work(c);
            } catch (...) {
                _exit(1);
            }
            _exit(0);
        }
        pids.push_back(pid);
    }
    bool succeeded = true;
    for (pid_t pid : pids) {
        int status = -1;
        waitpid(pid, &status, 0);
        succeeded = succeeded && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    return succeeded;
}
