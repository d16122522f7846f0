#pragma once
// Collects what the code under test prints on standard output (and, silently,
// standard error) for the length of a scope.
#include <cstdio>
#include <string>
#include <unistd.h>

class CaptureOutput {
public:
    CaptureOutput() {
        fflush(stdout);
        fflush(stderr);
        savedOut = dup(1);
        savedErr = dup(2);
        file = tmpfile();
        errFile = tmpfile();
        dup2(fileno(file), 1);
        dup2(fileno(errFile), 2);
    }
    ~CaptureOutput() {
        restore();
        fclose(file);
        fclose(errFile);
    }
    CaptureOutput(const CaptureOutput&) = delete;
    CaptureOutput& operator=(const CaptureOutput&) = delete;

    // Everything printed on standard output so far.
    std::string text() { return contents(file); }
    std::string errors() { return contents(errFile); }

private:
    int savedOut, savedErr;
    FILE* file;
    FILE* errFile;
    bool restored = false;

    std::string contents(FILE* f) {
        fflush(stdout);
        fflush(stderr);
        std::string s;
        fseek(f, 0, SEEK_SET);
        char buf[4096];
        size_t n;
        while ((n = fread(buf, 1, sizeof buf, f)) > 0) s.append(buf, n);
        fseek(f, 0, SEEK_END);
        return s;
    }
    void restore() {
        if (restored) return;
        fflush(stdout);
        fflush(stderr);
        dup2(savedOut, 1);
        dup2(savedErr, 2);
        close(savedOut);
        close(savedErr);
        restored = true;
    }
};
