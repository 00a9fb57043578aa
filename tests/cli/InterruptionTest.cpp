// tagsmith-cli insert run as a real process on a multi-megabyte document, killed or signalled at
// random moments, or racing another program that saves the same document.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <set>
#include <thread>

#include "core/editor/BuildInsertedDocument.h"
#include "fakes/TestSupport.h"

namespace tagsmith {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

const char* const kOldTag = "<meta name=\"keywords\" content=\"old\">";

// A page of about size bytes whose words (and so whose tag) do not depend on trailingLines.
std::string Page(std::size_t size, int trailingLines = 0) {
    std::string page = "<html><head>\n<title>Orchard fruit</title>\n" + std::string(kOldTag) +
                       "\n</head>\n<body>\n";
    const char* const fruit[] = {"apples", "pears", "plums", "cherries", "quinces"};
    for (std::size_t i = 0; page.size() < size; ++i) {
        page += "<p>Ripe ";
        page += fruit[i % 5];
        page += " and ";
        page += fruit[(i / 5) % 5];
        page += " from the orchard.</p>\n";
    }
    page += "</body></html>\n";
    page.append(static_cast<std::size_t>(trailingLines), '\n');
    return page;
}

// tagsmith-cli with the arguments, its output and errors going to files beside the document.
pid_t Start(const std::vector<std::string>& arguments, const fs::path& folder) {
    const std::string tool = (test::BinaryFolder() / "tagsmith-cli").string();
    const std::string out = (folder / "out.txt").string();
    const std::string err = (folder / "err.txt").string();
    // Made before the child starts, so that a signal that ends it before it opens them leaves
    // the same files behind.
    for (const std::string& file : {out, err}) ::close(::open(file.c_str(), O_WRONLY | O_CREAT, 0644));
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 1);
        ::dup2(::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
        std::vector<char*> argv{const_cast<char*>(tool.c_str())};
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        ::execv(tool.c_str(), argv.data());
        ::_exit(127);
    }
    return child;
}

int Wait(pid_t child) {
    int status = 0;
    ::waitpid(child, &status, 0);
    return status;
}

// Waits until a temporary file appears beside the document (true) or the child has ended.
bool AwaitTemporaryFile(const fs::path& folder, pid_t child) {
    for (;;) {
        for (const auto& entry : fs::directory_iterator(folder)) {
            if (entry.path().filename().string().starts_with(".tagsmith-")) return true;
        }
        siginfo_t info{};
        if (::waitid(P_PID, static_cast<id_t>(child), &info, WEXITED | WNOHANG | WNOWAIT) != 0 ||
            info.si_pid != 0) {
            return false;
        }
    }
}

struct Insertion {
    std::string before;
    std::string after;  // the complete new content
    Clock::duration duration{};
};

// Runs one insertion to its end on a copy, for the new content and the time it takes.
Insertion Measure(const std::string& before) {
    const test::TemporaryFolder folder;
    const fs::path path = folder.WriteFile("page.html", before);
    const auto start = Clock::now();
    const int status = Wait(Start({"insert", path.string()}, folder.Path()));
    Insertion insertion{before, test::ReadFileBytes(path), Clock::now() - start};
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << test::ReadFileBytes(folder.Path() / "err.txt");
    EXPECT_NE(insertion.after, before);
    return insertion;
}

TEST(InterruptionTest, KilledAtAnyMomentTheDocumentIsEitherAsItWasOrCompletelyNew) {
    const Insertion insertion = Measure(Page(6 << 20));
    // 20 moments spread over the run and a little beyond its end, then 5 kills just as the new
    // content is being written.
    std::mt19937 random(20261206);
    const auto span = std::chrono::duration_cast<std::chrono::microseconds>(insertion.duration);
    std::uniform_int_distribution<long long> moment(0, span.count() * 5 / 4);
    int untouched = 0;
    int replaced = 0;
    int whileWriting = 0;
    for (int i = 0; i < 25; ++i) {
        const test::TemporaryFolder folder;
        const fs::path path = folder.WriteFile("page.html", insertion.before);
        const pid_t child = Start({"insert", path.string()}, folder.Path());
        std::string when = "while writing";
        if (i < 20) {
            const auto delay = std::chrono::microseconds(moment(random));
            when = std::to_string(delay.count()) + " us";
            std::this_thread::sleep_for(delay);
        } else {
            whileWriting += AwaitTemporaryFile(folder.Path(), child) ? 1 : 0;
        }
        ::kill(child, SIGKILL);
        Wait(child);
        const std::string now = test::ReadFileBytes(path);
        SCOPED_TRACE(when + ", " + std::to_string(now.size()) + " bytes");
        EXPECT_TRUE(now == insertion.before || now == insertion.after);
        (now == insertion.before ? untouched : replaced) += 1;
    }
    EXPECT_GT(untouched, 0);
    EXPECT_GT(whileWriting, 0);
    RecordProperty("untouched", untouched);
    RecordProperty("replaced", replaced);
}

TEST(InterruptionTest, ASignalRemovesTheTemporaryFileAndEndsWithTheSignalsStatus) {
    const Insertion insertion = Measure(Page(6 << 20));
    std::mt19937 random(8);
    std::uniform_int_distribution<long long> moment(
        0, std::chrono::duration_cast<std::chrono::microseconds>(insertion.duration).count());
    int whileWriting = 0;
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        for (int i = 0; i < 6; ++i) {
            const test::TemporaryFolder folder;
            const fs::path path = folder.WriteFile("page.html", insertion.before);
            const pid_t child = Start({"insert", path.string()}, folder.Path());
            // Every other time just as the new content is being written.
            if (i % 2 == 0) {
                whileWriting += AwaitTemporaryFile(folder.Path(), child) ? 1 : 0;
            } else {
                std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
            }
            ::kill(child, signal);
            const int status = Wait(child);
            const std::string now = test::ReadFileBytes(path);
            SCOPED_TRACE(std::to_string(signal) + " " + std::to_string(now.size()));
            if (WIFSIGNALED(status)) {
                EXPECT_EQ(WTERMSIG(status), signal);  // the shell shows 128 + signal
                EXPECT_TRUE(now == insertion.before || now == insertion.after);
            } else {
                EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
                EXPECT_EQ(now, insertion.after);
            }
            EXPECT_EQ(test::FolderNames(folder.Path()),
                      (std::set<std::string>{"err.txt", "out.txt", "page.html"}));
        }
    }
    EXPECT_GT(whileWriting, 0);
}

TEST(InterruptionTest, WithTwoJobsASignalOrAClosedPipeLeavesNoTemporaryFile) {
    const std::string before = Page(2 << 20);
    const std::set<std::string> pages = {"a.html", "b.html", "c.html", "d.html"};
    const auto site = [&](const test::TemporaryFolder& folder) {
        for (const std::string& name : pages) folder.WriteFile("site/" + name, before);
        return folder.Path() / "site";
    };
    // Every file of the site is a page as it was or as inserted, or the backup of one as it was.
    const auto expectWhole = [&](const fs::path& folder) {
        for (const auto& entry : fs::directory_iterator(folder)) {
            const std::string name = entry.path().filename().string();
            SCOPED_TRACE(name);
            EXPECT_FALSE(name.starts_with(".tagsmith-"));
            const std::string now = test::ReadFileBytes(entry.path());
            if (pages.contains(name)) {
                EXPECT_TRUE(now == before || (now.find(kOldTag) == std::string::npos &&
                                              now.ends_with("</body></html>\n")));
            } else {
                EXPECT_EQ(now, before);
            }
        }
    };
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        const test::TemporaryFolder folder;
        const fs::path path = site(folder);
        const pid_t child =
            Start({"insert", "--backup", "--jobs", "2", path.string()}, folder.Path());
        AwaitTemporaryFile(path, child);
        ::kill(child, signal);
        const int status = Wait(child);
        EXPECT_TRUE((WIFSIGNALED(status) && WTERMSIG(status) == signal) ||
                    (WIFEXITED(status) && WEXITSTATUS(status) == 0));
        expectWhole(path);
    }
    // Output into a pipe nobody reads: a failure with a message, not a silent SIGPIPE.
    const test::TemporaryFolder folder;
    const fs::path path = site(folder);
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    ::close(ends[0]);
    const pid_t child = ::fork();
    const std::string err = (folder.Path() / "err.txt").string();
    if (child == 0) {
        ::dup2(ends[1], 1);
        ::dup2(::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
        ::execl((test::BinaryFolder() / "tagsmith-cli").c_str(), "tagsmith-cli", "insert",
                "--jobs", "2", path.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(ends[1]);
    const int status = Wait(child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1);
    EXPECT_EQ(test::ReadFileBytes(err), "tagsmith: cannot write the output: Broken pipe\n");
    expectWhole(path);
}

TEST(InterruptionTest, AnotherProgramSavingTheDocumentMeanwhileIsNeverOverwrittenOrCut) {
    const std::string first = Page(3 << 20);
    const std::string second = Page(3 << 20, 3);  // the same words, three more line ends
    const Insertion insertion = Measure(first);
    const std::string tagLine = insertion.after.substr(insertion.after.find("<meta "));
    const std::string tag = tagLine.substr(0, tagLine.find('\n'));
    const std::set<std::string> allowed = {first, second, BuildInsertedDocument(first, tag).content,
                                           BuildInsertedDocument(second, tag).content};
    ASSERT_EQ(allowed.size(), 4u);
    ASSERT_TRUE(allowed.contains(insertion.after));
    std::mt19937 random(12);
    std::uniform_int_distribution<long long> moment(
        0, std::chrono::duration_cast<std::chrono::microseconds>(insertion.duration).count());
    int refusals = 0;
    for (int i = 0; i < 10; ++i) {
        const test::TemporaryFolder folder;
        const fs::path path = folder.WriteFile("page.html", first);
        const fs::path saved = folder.WriteFile("saved.part", second);
        const auto delay = std::chrono::microseconds(moment(random));
        const pid_t editor = ::fork();
        if (editor == 0) {
            // The other program saves as editors do: a new file renamed over the document.
            std::this_thread::sleep_for(delay);
            ::_exit(::rename(saved.c_str(), path.c_str()) == 0 ? 0 : 1);
        }
        const int status = Wait(Start({"insert", path.string()}, folder.Path()));
        EXPECT_EQ(Wait(editor), 0);
        const std::string now = test::ReadFileBytes(path);
        SCOPED_TRACE(std::to_string(delay.count()) + " us");
        EXPECT_TRUE(allowed.contains(now)) << now.size() << " bytes";
        ASSERT_TRUE(WIFEXITED(status));
        if (WEXITSTATUS(status) == 1) {
            ++refusals;
            EXPECT_EQ(now, second);
            EXPECT_EQ(test::ReadFileBytes(folder.Path() / "err.txt"),
                      "tagsmith: " + path.string() +
                          ": Not inserted: The document was changed by another program while "
                          "the tag was being inserted. Nothing was written.\n");
        } else {
            EXPECT_EQ(WEXITSTATUS(status), 0);
        }
        EXPECT_EQ(test::FolderNames(folder.Path()),
                  (std::set<std::string>{"err.txt", "out.txt", "page.html"}));
    }
    RecordProperty("refusals", refusals);
}

}  // namespace
}  // namespace tagsmith
