// tagsmith-cli insert run as a real process on a document of half a megabyte, killed or signalled
// at each moment the folder sees, or racing another program that saves the same document.
#include <gtest/gtest.h>

#include <set>

#include "cli/ToolProcess.h"
#include "core/editor/BuildInsertedDocument.h"

namespace tagsmith {
namespace {

namespace fs = std::filesystem;

const char* const kOldTag = "<meta name=\"keywords\" content=\"old\">";

// The document: a page of half a megabyte.
const std::string kBefore = [] {
    std::string page = "<html><head>\n<title>Orchard fruit</title>\n" + std::string(kOldTag) +
                       "\n</head>\n<body>\n";
    const std::string fruit[] = {"apples", "pears", "plums", "cherries", "quinces"};
    for (std::size_t i = 0; page.size() < (1 << 19); ++i)
        page += "<p>Ripe " + fruit[i % 5] + " and " + fruit[i / 5 % 5] + " from the orchard.</p>\n";
    return page + "</body></html>\n";
}();

// A moment a run of the tool passes, as the folder of the document sees it: the first event of
// the kind on a name that starts with the given one.
struct Moment {
    const char* name;
    std::uint32_t event;  // 0: at once
    std::string_view file;
};
const Moment kStart{"at the start", 0, ""};
const Moment kTemporaryCreated{"once the temporary file is created", IN_CREATE, ".tagsmith-"};
const Moment kMoments[] = {kStart,
                           {"once the document is read", IN_CLOSE_NOWRITE, "page.html"},
                           kTemporaryCreated,
                           {"once the temporary file is written", IN_CLOSE_WRITE, ".tagsmith-"},
                           {"once the document is replaced", IN_MOVED_TO, "page.html"}};

// A started tool and whether it was seen to reach the moment it was awaited at.
struct Started {
    pid_t child;
    bool reached;
};

// Starts tagsmith-cli with the arguments in the folder, its output and errors going to out.txt
// and err.txt there (or out, when given), and waits (a minute at most) until the watched folder
// sees the moment or the tool ends.
Started StartAt(const Moment& moment, const fs::path& folder,
                const std::vector<std::string>& arguments, const fs::path& watched, int out = -1) {
    const int watch = ::inotify_init1(IN_CLOEXEC);
    ::inotify_add_watch(watch, watched.c_str(), moment.event);
    const pid_t child =
        test::StartTool(arguments, folder, out >= 0 ? out : test::CreatedFile(folder / "out.txt"),
                        test::CreatedFile(folder / "err.txt"));
    bool reached = moment.event == 0;
    while (!reached) {
        const auto events = test::FolderEvents(watch, child);
        if (events.empty()) break;
        for (const auto& [kind, name] : events)
            reached |= (kind & moment.event) && name.starts_with(moment.file);
    }
    ::close(watch);
    return {child, reached};
}

// The document after one insertion run to its end: every interrupted run must either keep the
// document as it was or reach that; and a fresh folder for each run.
class InterruptionTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        const test::TemporaryFolder folder;
        const fs::path path = folder.WriteFile("page.html", kBefore);
        ASSERT_EQ(test::WaitForTool(
                      StartAt(kStart, folder.Path(), {"insert", "page.html"}, folder.Path()).child),
                  0);
        s_after = test::ReadFileBytes(path);
        ASSERT_NE(s_after, kBefore);
    }
    // Starts insert on page.html, as it was, in a fresh folder (with saved.part, when given).
    Started InsertAt(const Moment& moment, const std::string& saved = "") {
        m_folder.emplace();
        m_folder->WriteFile("page.html", kBefore);
        if (!saved.empty()) m_folder->WriteFile("saved.part", saved);
        return StartAt(moment, Folder(), {"insert", "page.html"}, Folder());
    }
    const fs::path& Folder() const { return m_folder->Path(); }
    std::string Document() const { return test::ReadFileBytes(Folder() / "page.html"); }
    std::set<std::string> Names() const { return test::FolderNames(Folder()); }

    static inline std::string s_after;
    static inline const std::set<std::string> kLeft = {"err.txt", "out.txt", "page.html"};
    std::optional<test::TemporaryFolder> m_folder;
};

// Killed, the tool leaves its temporary file behind; a signal it can catch removes it and ends
// the tool with the signal's status.
TEST_F(InterruptionTest, SignalledAtAnyMomentTheDocumentIsEitherAsItWasOrCompletelyNew) {
    int whileWriting = 0;
    for (const int signal : {SIGKILL, SIGINT, SIGTERM, SIGHUP}) {
        for (const Moment& moment : kMoments) {
            SCOPED_TRACE(std::to_string(signal) + " " + moment.name);
            const Started started = InsertAt(moment);
            whileWriting += started.reached && moment.event != 0 ? 1 : 0;
            ::kill(started.child, signal);
            const int status = test::WaitForTool(started.child);
            if (status == test::kSignalled + signal) {
                EXPECT_TRUE(Document() == kBefore || Document() == s_after)
                    << Document().size() << " bytes";
            } else {
                EXPECT_EQ(status, 0);
                EXPECT_EQ(Document(), s_after);
            }
            if (signal != SIGKILL) {
                EXPECT_EQ(Names(), kLeft);
            }
        }
    }
    EXPECT_GT(whileWriting, 0);
}

TEST_F(InterruptionTest, WithTwoJobsASignalOrAClosedPipeLeavesNoTemporaryFile) {
    const std::set<std::string> pages = {"a.html", "b.html", "c.html", "d.html"};
    // Every file of the site is a page as it was or as inserted, or the backup of one as it was.
    const auto expectWhole = [&](const fs::path& site) {
        for (const auto& entry : fs::directory_iterator(site)) {
            const std::string name = entry.path().filename().string();
            SCOPED_TRACE(name);
            EXPECT_FALSE(name.starts_with(".tagsmith-"));
            const std::string now = test::ReadFileBytes(entry.path());
            if (pages.contains(name)) {
                EXPECT_TRUE(now == kBefore || (now.find(kOldTag) == std::string::npos &&
                                               now.ends_with("</body></html>\n")));
            } else {
                EXPECT_EQ(now, kBefore);
            }
        }
    };
    // The last run's output goes into a pipe nobody reads: a failure with a message, not a
    // silent SIGPIPE.
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGPIPE}) {
        SCOPED_TRACE(signal);
        const test::TemporaryFolder folder;
        for (const std::string& name : pages) folder.WriteFile("site/" + name, kBefore);
        int ends[2] = {-1, -1};
        if (signal == SIGPIPE) {
            ASSERT_EQ(::pipe(ends), 0);
            ::close(ends[0]);
        }
        const Started started =
            StartAt(signal == SIGPIPE ? kStart : kTemporaryCreated, folder.Path(),
                    {"insert", "--backup", "--jobs", "2", "site"}, folder.Path() / "site", ends[1]);
        if (signal != SIGPIPE) ::kill(started.child, signal);
        const int status = test::WaitForTool(started.child);
        if (signal == SIGPIPE) {
            EXPECT_EQ(status, 1);
            EXPECT_EQ(test::ReadFileBytes(folder.Path() / "err.txt"),
                      "tagsmith: cannot write the output: Broken pipe\n");
        } else {
            EXPECT_TRUE(status == test::kSignalled + signal || status == 0) << status;
        }
        expectWhole(folder.Path() / "site");
    }
}

TEST_F(InterruptionTest, AnotherProgramSavingTheDocumentMeanwhileIsNeverOverwrittenOrCut) {
    const std::string second = kBefore + "\n\n\n";  // the same words, three more line ends
    const std::string tagLine = s_after.substr(s_after.find("<meta "));
    const std::string tag = tagLine.substr(0, tagLine.find('\n'));
    const std::set<std::string> allowed = {kBefore, second,
                                           BuildInsertedDocument(kBefore, tag).content,
                                           BuildInsertedDocument(second, tag).content};
    ASSERT_EQ(allowed.size(), 4u);
    ASSERT_TRUE(allowed.contains(s_after));
    int refusals = 0;
    for (const Moment& moment : kMoments) {
        SCOPED_TRACE(moment.name);
        const Started started = InsertAt(moment, second);
        // The other program saves as editors do: a new file renamed over the document.
        ASSERT_EQ(::rename((Folder() / "saved.part").c_str(), (Folder() / "page.html").c_str()), 0);
        const int status = test::WaitForTool(started.child);
        EXPECT_TRUE(allowed.contains(Document())) << Document().size() << " bytes";
        if (status == 1) {
            ++refusals;
            EXPECT_EQ(Document(), second);
            EXPECT_EQ(test::ReadFileBytes(Folder() / "err.txt"),
                      "tagsmith: page.html: Not inserted: The document was changed by another "
                      "program while the tag was being inserted. Nothing was written.\n");
        } else {
            EXPECT_EQ(status, 0);
        }
        EXPECT_EQ(Names(), kLeft);
    }
    RecordProperty("refusals", refusals);
}

}  // namespace
}  // namespace tagsmith
