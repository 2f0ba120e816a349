#pragma once

#include <csignal>
#include <functional>
#include <sys/prctl.h>
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

// Runs work(signal) in a child process, killed with SIGKILL as soon as it writes one byte to the file
// descriptor signal (from the place it is to die at); true when it got there and died so.
inline bool killedWhereItSignals(const std::function<void(int signal)>& work)
{
    int pipe[2];
    if (::pipe(pipe) != 0)
        return false;
    const pid_t child = fork();
    if (child == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        ::close(pipe[0]);
        try {
            work(pipe[1]);
        } catch (...) {
        }
        _exit(2);
    }
    ::close(pipe[1]);
    char stopped = 0;
    const bool reached = ::read(pipe[0], &stopped, 1) == 1;
    ::close(pipe[0]);
    ::kill(child, SIGKILL);
    int status = -1;
    waitpid(child, &status, 0);
    return reached && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}
