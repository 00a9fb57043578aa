// One QApplication for the whole test program, made before the first test and removed after the
// last (QT_QPA_PLATFORM=offscreen is set by the test runner).
#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

namespace tagsmith::test {
namespace {

class QtTestEnvironment : public ::testing::Environment {
public:
    void SetUp() override { m_application = std::make_unique<QApplication>(m_argc, m_argv); }
    void TearDown() override { m_application.reset(); }

private:
    int m_argc = 1;
    char m_name[9] = "test_gui";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QApplication> m_application;
};

// Google Test takes ownership of the environment.
[[maybe_unused]] const ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(std::make_unique<QtTestEnvironment>().release());

}  // namespace
}  // namespace tagsmith::test
