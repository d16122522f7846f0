// Every test runs in a fresh folder of its own, removed afterwards: CTest runs
// tests side by side (ctest -j2), and two tests writing the same relative file
// name would otherwise read each other's files.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

class ScratchFolder : public testing::EmptyTestEventListener {
    std::filesystem::path home, scratch;

    void OnTestStart(const testing::TestInfo&) override {
        home = std::filesystem::current_path();
        char name[] = "/tmp/vask_test_XXXXXX";
        if (!mkdtemp(name)) {
            perror("mkdtemp");
            std::abort();
        }
        scratch = name;
        std::filesystem::current_path(scratch);
    }
    void OnTestEnd(const testing::TestInfo&) override {
        std::filesystem::current_path(home);
        std::error_code ignored;
        std::filesystem::remove_all(scratch, ignored);
    }
};

const bool registered = [] {
    testing::UnitTest::GetInstance()->listeners().Append(new ScratchFolder);
    return true;
}();

}  // namespace
