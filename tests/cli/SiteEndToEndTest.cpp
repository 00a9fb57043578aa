// Runs the built tagsmith-cli on a small site (fixtures/site, copied with symbolic links added:
// a loop and a link to a folder) and checks the whole-site behaviour: one job and four give the
// same bytes, the JSON says what the text says, the dry run shows exactly what insert writes and
// the HTML report counts what the JSON holds.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "fakes/TestSupport.h"

namespace tagsmith {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

struct ToolResult {
    int status = -1;
    std::string out;
    std::string err;
};

// The site copied into a temporary folder, with a link back to its parent and a link to a
// folder inside it.
class SiteCopy {
public:
    SiteCopy() {
        fs::copy(test::SourceFolder() / "tests" / "cli" / "fixtures" / "site", Root() / "site",
                 fs::copy_options::recursive);
        fs::create_symlink("..", Root() / "site" / "guide" / "again");
        fs::create_symlink("guide/deep", Root() / "site" / "shortcut");
    }
    fs::path Root() const { return m_folder.Path(); }

    // Runs the tool in the folder holding the site, so that the paths printed are relative.
    ToolResult Tool(const std::string& arguments) const {
        const std::string command =
            "cd " + test::ShellQuoted(Root().string()) + " && " +
            test::ShellQuoted((test::BinaryFolder() / "tagsmith-cli").string()) + " " + arguments +
            " >out 2>err";
        const int raw = std::system(command.c_str());
        ToolResult run{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, test::ReadFileBytes(Root() / "out"),
                       test::ReadFileBytes(Root() / "err")};
        fs::remove(Root() / "out");
        fs::remove(Root() / "err");
        return run;
    }

    // Every file below the site with its bytes (links not followed).
    std::map<std::string, std::string> Files() const {
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator(Root() / "site")) {
            if (entry.is_regular_file() && !entry.is_symlink()) {
                files[fs::relative(entry.path(), Root()).string()] =
                    test::ReadFileBytes(entry.path());
            }
        }
        return files;
    }

private:
    test::TemporaryFolder m_folder;
};

const char* const kDocuments[] = {"site/bread.htm",        "site/empty.html",
                                  "site/guide/SEEDS.HTM",  "site/guide/deep/compost.php",
                                  "site/guide/herbs.html", "site/index.html"};
constexpr const char* kEmptyRefusal =
    "tagsmith: site/empty.html: Empty file: The input file is empty (0 bytes); there is nothing to "
    "scan.\n";

TEST(SiteEndToEndTest, OneJobAndFourGiveTheSameBytesForEveryCommandAndFormat) {
    const SiteCopy site;
    const char* const commands[] = {
        "generate",
        "list",
        "show",
        "check",
        "generate --format json",
        "list --format json",
        "show --format json",
        "check --format json",
        "insert --dry-run",
        "generate --follow-links --format json",
        "list --lower-case --min-frequency 1",
    };
    for (const char* command : commands) {
        SCOPED_TRACE(command);
        const ToolResult one = site.Tool(std::string(command) + " --jobs 1 site");
        const ToolResult four = site.Tool(std::string(command) + " --jobs 4 site");
        EXPECT_EQ(one.out, four.out);
        EXPECT_EQ(one.err, four.err);
        EXPECT_EQ(one.status, four.status);
        // The empty document is refused (and check finds stale tags); show reads it.
        EXPECT_EQ(one.status, std::string(command).starts_with("show") ? 0 : 1);
        EXPECT_NE(one.out, "");
    }
}

TEST(SiteEndToEndTest, FoldersGiveTheirDocumentsInPathOrder) {
    const SiteCopy site;
    const ToolResult run = site.Tool("generate site");
    std::vector<std::string> headers;
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("==> ")) headers.push_back(line.substr(4, line.size() - 8));
    }
    // Hidden folders, other extensions, the link to a folder and the empty (refused) document
    // print nothing.
    EXPECT_THAT(headers, testing::ElementsAre(kDocuments[0], kDocuments[2], kDocuments[3],
                                              kDocuments[4], kDocuments[5]));
    EXPECT_EQ(run.err, kEmptyRefusal);

    // Followed, the link adds its folder's document and the loop is skipped with a notice.
    const ToolResult followed = site.Tool("show --follow-links --format json site");
    std::vector<std::string> files;
    for (const json& document : json::parse(followed.out)) files.push_back(document["file"]);
    EXPECT_THAT(files, testing::Contains("site/shortcut/compost.php"));
    EXPECT_EQ(files.size(), std::size(kDocuments) + 1);
    EXPECT_EQ(followed.err,
              "tagsmith: site/guide/again: Skipped: the link leads back into a folder being "
              "walked\n");
}

// The report of each file in a framed text run.
std::map<std::string, std::string> Sections(const std::string& out) {
    std::map<std::string, std::string> sections;
    std::string file;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("==> ") && line.ends_with(" <==")) {
            file = line.substr(4, line.size() - 8);
            continue;
        }
        sections[file] += line + "\n";
    }
    return sections;
}

TEST(SiteEndToEndTest, JsonSaysWhatTheTextSays) {
    const SiteCopy site;
    const std::string pages =
        "site " + test::ShellQuoted((test::SourceFolder() / "data" / "sample").string());

    // generate: the tag line and the two counts.
    auto text = Sections(site.Tool("generate " + pages).out);
    json reports = json::parse(site.Tool("generate --format json " + pages).out);
    ASSERT_EQ(reports.size(), text.size() + 1);  // and the refused one
    for (const json& report : reports) {
        if (report["status"] == "refused") {
            EXPECT_EQ(report["file"], kDocuments[1]);
            EXPECT_EQ(report["refusal"]["title"], "Empty file");
            continue;
        }
        const std::string section = text.at(report["file"]);
        EXPECT_EQ(section, report["tag"].get<std::string>() +
                               "\n\nNumber of keywords in meta tag: " +
                               std::to_string(report["keywords"].get<int>()) +
                               "\nNumber of bytes in meta tag: " +
                               std::to_string(report["bytes"].get<int>()) + "\n\n");
    }

    // list: each row of the text is an entry of "words".
    text = Sections(site.Tool("list --min-frequency 1 " + pages).out);
    reports = json::parse(site.Tool("list --min-frequency 1 --format json " + pages).out);
    int rows = 0;
    for (const json& report : reports) {
        if (report["status"] != "ok") continue;
        std::istringstream lines(text.at(report["file"]));
        std::string line;
        std::getline(lines, line);
        EXPECT_EQ(line, "Rank Value Freq. Density");
        for (const json& word : report["words"]) {
            ASSERT_TRUE(std::getline(lines, line));
            std::istringstream fields(line);
            int rank = 0, value = 0, frequency = 0;
            std::string density, written;
            fields >> rank >> value >> frequency >> density >> written;
            EXPECT_EQ(rank, word["rank"]);
            EXPECT_EQ(value, word["value"]);
            EXPECT_EQ(frequency, word["frequency"]);
            EXPECT_DOUBLE_EQ(std::stod(density), word["density"].get<double>());
            EXPECT_EQ(written, word["word"]);
            ++rows;
        }
    }
    EXPECT_GT(rows, 40);

    // show: the entries of the text are the fields of "existing".
    text = Sections(site.Tool("show " + pages).out);
    reports = json::parse(site.Tool("show --format json " + pages).out);
    for (const json& report : reports) {
        const std::string& section = text.at(report["file"]);
        const json& existing = report["existing"];
        const std::pair<const char*, const char*> entries[] = {
            {"title", "TITLE: "},
            {"description", "DESCRIPTION meta tag: "},
            {"keywords", "KEYWORDS meta tag: "}};
        for (const auto& [field, label] : entries) {
            if (existing[field].is_null()) {
                EXPECT_EQ(section.find(label), std::string::npos) << field;
            } else {
                EXPECT_NE(section.find(label + existing[field].get<std::string>() + "\n"),
                          std::string::npos)
                    << field << section;
            }
        }
    }

    // check: a line for each stale document, in order.
    const ToolResult check = site.Tool("check " + pages);
    std::string stale;
    for (const json& report : json::parse(site.Tool("check --format json " + pages).out)) {
        if (report.value("stale", false)) stale += report["file"].get<std::string>() + ": stale";
    }
    EXPECT_EQ(std::regex_replace(check.out, std::regex(R"( \([^\n]*\)\n)"), ""), stale);
}

// Applies a unified diff of one file to its text (the hunks in order, context checked).
std::string ApplyDiff(const std::string& text, const std::string& diff) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    std::vector<std::string> result;
    std::size_t next = 0;  // the next old line to copy
    std::istringstream patch(diff);
    for (std::string line; std::getline(patch, line);) {
        if (line.starts_with("---") || line.starts_with("+++")) continue;
        if (line.starts_with("@@ -")) {
            const std::size_t start = std::stoul(line.substr(4));
            for (; next + 1 < start; ++next) result.push_back(lines.at(next));
            continue;
        }
        const std::string body = line.substr(1);
        if (line[0] == '+') {
            result.push_back(body);
        } else {
            EXPECT_EQ(lines.at(next), body);
            if (line[0] == ' ') result.push_back(body);
            ++next;
        }
    }
    for (; next < lines.size(); ++next) result.push_back(lines[next]);
    std::string joined;
    for (const std::string& line : result) joined += line + "\n";
    return joined;
}

TEST(SiteEndToEndTest, DryRunWritesNothingAndShowsWhatInsertWrites) {
    const SiteCopy site;
    const auto before = site.Files();
    const ToolResult dryRun = site.Tool("insert --dry-run site");
    EXPECT_EQ(site.Files(), before);
    EXPECT_EQ(dryRun.err, kEmptyRefusal);

    // Each document's part of the diff, applied to its old text, gives its new text.
    std::map<std::string, std::string> diffs;
    std::string file;
    std::istringstream lines(dryRun.out);
    for (std::string line; std::getline(lines, line);) {
        // "--- NAME<TAB>time": none of these names needs quotes.
        if (line.starts_with("--- ")) file = line.substr(4, line.find('\t') - 4);
        diffs[file] += line + "\n";
    }
    EXPECT_EQ(diffs.size(), 5u);

    const SiteCopy oneJob;
    const ToolResult inserted = site.Tool("insert --jobs 4 site");
    const ToolResult insertedOneJob = oneJob.Tool("insert --jobs 1 site");
    EXPECT_EQ(inserted.out, insertedOneJob.out);
    EXPECT_EQ(inserted.err, insertedOneJob.err);
    const auto after = site.Files();
    EXPECT_EQ(after, oneJob.Files());
    for (const auto& [name, diff] : diffs) {
        SCOPED_TRACE(name);
        // SEEDS.HTM has CR LF line ends: getline keeps the CR in each line, so the texts match.
        EXPECT_EQ(ApplyDiff(before.at(name), diff), after.at(name));
    }
    // The PHP document is always backed up.
    EXPECT_EQ(after.at("site/guide/deep/compost.bak.php"),
              before.at("site/guide/deep/compost.php"));
    // Now every tag is fresh; the new backup is no document of the walk.
    const ToolResult check = site.Tool("check site");
    EXPECT_EQ(check.out, "");
    EXPECT_EQ(check.err, kEmptyRefusal);
}

TEST(SiteEndToEndTest, ReportCountsWhatTheJsonHoldsAndFetchesNothing) {
    const SiteCopy site;
    const json reports = json::parse(site.Tool("check --format json site").out);
    // The page goes into the folder it reports on; it is written after the walk.
    const ToolResult run = site.Tool("report -o site/report.html site");
    EXPECT_EQ(run.status, 1);  // the refused document
    EXPECT_EQ(run.out, "");
    const std::string page = test::ReadFileBytes(site.Root() / "site" / "report.html");

    int refused = 0, stale = 0, withoutTag = 0;
    for (const json& report : reports) {
        if (report["status"] == "refused") {
            ++refused;
            continue;
        }
        if (report["stale"]) ++stale;
        if (report["existing"]["keywords"].is_null()) ++withoutTag;
    }
    const auto count = [&](const std::string& id) {
        std::smatch match;
        const std::regex pattern("id=\"count-" + id + "\">([0-9]+)<");
        return std::regex_search(page, match, pattern) ? std::stoi(match[1]) : -1;
    };
    EXPECT_EQ(count("documents"), static_cast<int>(reports.size()));
    EXPECT_EQ(count("refused"), refused);
    EXPECT_EQ(count("stale"), stale);
    EXPECT_EQ(count("without-tag"), withoutTag);
    EXPECT_EQ(refused, 1);
    EXPECT_EQ(withoutTag, 3);

    const auto occurrences = [&](const std::string& part) {
        std::size_t n = 0;
        for (std::size_t at = page.find(part); at != std::string::npos;
             at = page.find(part, at + 1))
            ++n;
        return n;
    };
    EXPECT_EQ(occurrences("<tr class="), reports.size());
    EXPECT_EQ(occurrences("<svg "), reports.size() - 1);
    // Self-contained: no file or address is fetched.
    for (const char* fetch : {"src=", "<link", "url(", "@import"}) {
        EXPECT_EQ(occurrences(fetch), 0u) << fetch;
    }
    // Titles are shown decoded and escaped again.
    EXPECT_GT(occurrences("<td>Compost &amp; Soil</td>"), 0u);
}

TEST(SiteEndToEndTest, ANameThatIsNoUtf8KeepsItsBytesInTextAndGetsReplacementCharactersInJson) {
    const SiteCopy site;
    const std::string name = "site/caf\xE9.html";  // Latin-1 bytes
    fs::copy_file(site.Root() / "site" / "bread.htm", site.Root() / name);
    EXPECT_NE(site.Tool("generate site").out.find("==> " + name + " <==\n"), std::string::npos);
    const json reports = json::parse(site.Tool("generate --format json site").out);
    std::vector<std::string> files;
    for (const json& report : reports) files.push_back(report["file"]);
    EXPECT_THAT(files, testing::Contains("site/caf\xEF\xBF\xBD.html"));
}

}  // namespace
}  // namespace tagsmith
