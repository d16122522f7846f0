#pragma once
// Runs a program built into the run folder and collects its standard output.
#include <cstdio>
#include <string>
#include <sys/wait.h>

// Runs `VASK_RUN_DIR/<program> <args>` (args already shell-quoted); standard
// error goes to `errFile`. Returns the exit code, or -1 when it did not exit.
inline int runTool(const std::string& program, const std::string& args, std::string& out,
                   const std::string& errFile = "/dev/null") {
    std::string cmd = std::string(VASK_RUN_DIR) + "/" + program + " " + args + " 2>" + errFile;
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return -1;
    out.clear();
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
    int status = pclose(p);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
