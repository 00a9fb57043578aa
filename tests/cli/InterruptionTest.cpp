// tagsmith-cli insert run as a real process on a document of half a megabyte, killed or signalled
// at each moment the folder sees, or racing another program that saves the same document.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <set>

#include "core/editor/BuildInsertedDocument.h"
#include "fakes/TestSupport.h"

namespace tagsmith {
namespace {

namespace fs = std::filesystem;

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
    for (const std::string& file : {out, err})
        ::close(::open(file.c_str(), O_WRONLY | O_CREAT, 0644));
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

struct Insertion {
    std::string before;
    std::string after;  // the complete new content
};

// Runs one insertion to its end on a copy, for the new content.
Insertion Measure(const std::string& before) {
    const test::TemporaryFolder folder;
    const fs::path path = folder.WriteFile("page.html", before);
    const int status = Wait(Start({"insert", path.string()}, folder.Path()));
    Insertion insertion{before, test::ReadFileBytes(path)};
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << test::ReadFileBytes(folder.Path() / "err.txt");
    EXPECT_NE(insertion.after, before);
    return insertion;
}

// The moments a run of the tool passes, as the folder of the document sees them.
enum class Moment { Start, DocumentRead, TemporaryCreated, TemporaryWritten, DocumentReplaced };

const char* Name(Moment moment) {
    const char* const names[] = {
        "at the start", "once the document is read", "once the temporary file is created",
        "once the temporary file is written", "once the document is replaced"};
    return names[static_cast<int>(moment)];
}

// Waits (a minute at most) until the child has reached the moment, or has ended: true when the
// moment was seen. The folder is watched from before the child starts.
class FolderWatch {
public:
    explicit FolderWatch(const fs::path& folder) : m_descriptor(::inotify_init1(IN_CLOEXEC)) {
        ::inotify_add_watch(m_descriptor, folder.c_str(),
                            IN_CLOSE_NOWRITE | IN_CREATE | IN_CLOSE_WRITE | IN_MOVED_TO);
    }
    ~FolderWatch() { ::close(m_descriptor); }
    FolderWatch(const FolderWatch&) = delete;
    FolderWatch& operator=(const FolderWatch&) = delete;

    bool Await(Moment moment, pid_t child) {
        if (moment == Moment::Start) return true;
        const int ended = static_cast<int>(::syscall(SYS_pidfd_open, child, 0));
        bool seen = false;
        for (;;) {
            pollfd ready[2] = {{m_descriptor, POLLIN, 0}, {ended, POLLIN, 0}};
            if (::poll(ready, 2, 60'000) <= 0 || (ready[0].revents & POLLIN) == 0) break;
            alignas(inotify_event) char buffer[4096];
            const ssize_t length = ::read(m_descriptor, buffer, sizeof buffer);
            for (ssize_t at = 0; at < length;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                seen |= Matches(moment, event->mask, event->len > 0 ? event->name : "");
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            }
            if (seen) break;
        }
        ::close(ended);
        return seen;
    }

private:
    static bool Matches(Moment moment, std::uint32_t mask, const std::string& name) {
        const bool temporary = name.starts_with(".tagsmith-");
        switch (moment) {
            case Moment::Start:
                return true;
            case Moment::DocumentRead:
                return (mask & IN_CLOSE_NOWRITE) && name == "page.html";
            case Moment::TemporaryCreated:
                return (mask & IN_CREATE) && temporary;
            case Moment::TemporaryWritten:
                return (mask & IN_CLOSE_WRITE) && temporary;
            case Moment::DocumentReplaced:
                return (mask & IN_MOVED_TO) && name == "page.html";
        }
        return false;
    }

    int m_descriptor;
};

constexpr Moment kMoments[] = {Moment::Start, Moment::DocumentRead, Moment::TemporaryCreated,
                               Moment::TemporaryWritten, Moment::DocumentReplaced};

// One insertion run to its end, for the content every interrupted run must either keep or reach.
class InterruptionTest : public testing::Test {
protected:
    static void SetUpTestSuite() { s_insertion = Measure(Page(1 << 19)); }
    static Insertion s_insertion;
};

Insertion InterruptionTest::s_insertion;

TEST_F(InterruptionTest, KilledAtAnyMomentTheDocumentIsEitherAsItWasOrCompletelyNew) {
    for (const Moment moment : kMoments) {
        SCOPED_TRACE(Name(moment));
        const test::TemporaryFolder folder;
        const fs::path path = folder.WriteFile("page.html", s_insertion.before);
        FolderWatch watch(folder.Path());
        const pid_t child = Start({"insert", path.string()}, folder.Path());
        watch.Await(moment, child);
        ::kill(child, SIGKILL);
        Wait(child);
        const std::string now = test::ReadFileBytes(path);
        EXPECT_TRUE(now == s_insertion.before || now == s_insertion.after)
            << now.size() << " bytes";
    }
}

TEST_F(InterruptionTest, ASignalRemovesTheTemporaryFileAndEndsWithTheSignalsStatus) {
    int whileWriting = 0;
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        for (const Moment moment :
             {Moment::Start, Moment::TemporaryCreated, Moment::TemporaryWritten}) {
            SCOPED_TRACE(std::to_string(signal) + " " + Name(moment));
            const test::TemporaryFolder folder;
            const fs::path path = folder.WriteFile("page.html", s_insertion.before);
            FolderWatch watch(folder.Path());
            const pid_t child = Start({"insert", path.string()}, folder.Path());
            whileWriting += watch.Await(moment, child) && moment != Moment::Start ? 1 : 0;
            ::kill(child, signal);
            const int status = Wait(child);
            const std::string now = test::ReadFileBytes(path);
            if (WIFSIGNALED(status)) {
                EXPECT_EQ(WTERMSIG(status), signal);  // the shell shows 128 + signal
                EXPECT_TRUE(now == s_insertion.before || now == s_insertion.after);
            } else {
                EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
                EXPECT_EQ(now, s_insertion.after);
            }
            EXPECT_EQ(test::FolderNames(folder.Path()),
                      (std::set<std::string>{"err.txt", "out.txt", "page.html"}));
        }
    }
    EXPECT_GT(whileWriting, 0);
}

TEST_F(InterruptionTest, WithTwoJobsASignalOrAClosedPipeLeavesNoTemporaryFile) {
    const std::string before = Page(1 << 19);
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
        FolderWatch watch(path);
        const pid_t child =
            Start({"insert", "--backup", "--jobs", "2", path.string()}, folder.Path());
        watch.Await(Moment::TemporaryCreated, child);
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

TEST_F(InterruptionTest, AnotherProgramSavingTheDocumentMeanwhileIsNeverOverwrittenOrCut) {
    const std::string& first = s_insertion.before;
    const std::string second = first + "\n\n\n";  // the same words, three more line ends
    const std::string tagLine = s_insertion.after.substr(s_insertion.after.find("<meta "));
    const std::string tag = tagLine.substr(0, tagLine.find('\n'));
    const std::set<std::string> allowed = {first, second, BuildInsertedDocument(first, tag).content,
                                           BuildInsertedDocument(second, tag).content};
    ASSERT_EQ(allowed.size(), 4u);
    ASSERT_TRUE(allowed.contains(s_insertion.after));
    int refusals = 0;
    for (const Moment moment : kMoments) {
        SCOPED_TRACE(Name(moment));
        const test::TemporaryFolder folder;
        const fs::path path = folder.WriteFile("page.html", first);
        const fs::path saved = folder.WriteFile("saved.part", second);
        FolderWatch watch(folder.Path());
        const pid_t child = Start({"insert", path.string()}, folder.Path());
        // The other program saves as editors do: a new file renamed over the document.
        watch.Await(moment, child);
        ASSERT_EQ(::rename(saved.c_str(), path.c_str()), 0);
        const int status = Wait(child);
        const std::string now = test::ReadFileBytes(path);
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
