// The server's parts that need no host: who may ask, which files it serves,
// how the record files what ran in dialogs, and the mesh block's layout.
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "apps/tackpin_serve/action_translation.h"
#include "apps/tackpin_serve/mesh_binary.h"
#include "apps/tackpin_serve/page_files.h"
#include "apps/tackpin_serve/request_guard.h"
#include "apps/tackpin_serve/session_record.h"

namespace {

namespace fs = std::filesystem;

TEST(RequestGuard, PassesOnlyTheServersOwnHostAndOrigin) {
    serve::RequestGuard guard("127.0.0.1", 8700);
    EXPECT_FALSE(guard.Refusal("127.0.0.1:8700", std::nullopt));
    EXPECT_FALSE(guard.Refusal("localhost:8700", std::string("http://localhost:8700")));
    EXPECT_FALSE(guard.Refusal("localhost:8700", std::string("http://127.0.0.1:8700")));
    // Another port, another name (a rebound DNS name), no Host at all.
    for (const char* host : {"127.0.0.1:8701", "evil.example:8700", "127.0.0.1", ""})
        EXPECT_TRUE(guard.Refusal(host, std::nullopt)) << host;
    // Another site's page in the same browser, https, the opaque origin.
    for (const char* origin : {"http://evil.example", "https://127.0.0.1:8700", "null",
                               "http://127.0.0.1:8700.evil.example", "http://127.0.0.1:870"})
        EXPECT_TRUE(guard.Refusal("127.0.0.1:8700", std::string(origin))) << origin;
    EXPECT_NE(guard.Refusal("a:1", std::nullopt)->find("\"a:1\" is not this server"),
              std::string::npos);
}

TEST(RequestGuard, NamesTheBoundAddressButNotAnyAddress) {
    EXPECT_FALSE(serve::RequestGuard("192.168.1.5", 80).Refusal("192.168.1.5:80", std::nullopt));
    EXPECT_TRUE(serve::RequestGuard("0.0.0.0", 80).Refusal("0.0.0.0:80", std::nullopt));
}

class PageFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("tackpin-page-" + std::to_string(::getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "page" / "vendor");
        Write(root_ / "page" / "index.html", "<html>");
        Write(root_ / "page" / "vendor" / "three.module.js", "export {}");
        Write(root_ / "secret.txt", "not the page's");
        fs::create_symlink(root_ / "secret.txt", root_ / "page" / "linked.txt");
    }
    void TearDown() override { fs::remove_all(root_); }
    static void Write(const fs::path& path, const char* text) { std::ofstream(path) << text; }
    fs::path root_;
};

TEST_F(PageFilesTest, ServesTheFolderFilesAndNothingElse) {
    serve::PageFiles files((root_ / "page").string());
    EXPECT_EQ(files.Count(), 2u);
    ASSERT_TRUE(files.Find("/"));
    EXPECT_EQ(files.Find("/")->contentType, "text/html; charset=utf-8");
    ASSERT_TRUE(files.Find("/vendor/three.module.js"));
    EXPECT_EQ(files.Find("/vendor/three.module.js")->contentType, "text/javascript; charset=utf-8");
    for (const char* path : {"/vendor", "/vendor/", "/../secret.txt", "/vendor/../index.html",
                             "/linked.txt", "//index.html", "/INDEX.HTML", "index.html", ""})
        EXPECT_FALSE(files.Find(path)) << path;
}

TEST_F(PageFilesTest, AFolderThatIsNotThereServesNothing) {
    EXPECT_EQ(serve::PageFiles((root_ / "nowhere").string()).Count(), 0u);
}

TEST(SessionRecord, FilesAnswersAndNestedCommandsBeforeTheCommandThatAsked) {
    serve::SessionRecord record;
    record.BeginCommand();
    record.EndCommand("select faces 1", true);
    // click set 0 asks; inside the question a draw, and a click that opens
    // the colour dialog, answered; then the question is answered.
    record.BeginCommand();
    record.BeginDialog(true);
    record.BeginCommand();
    record.EndCommand("draw", true);
    record.BeginCommand();
    record.BeginDialog(false);
    record.EndDialog("colour 1 2 3 ok");
    record.EndCommand("click right set 1", true);
    record.BeginCommand();
    record.EndCommand("bogus", false);
    record.EndDialog("answer cancel");
    record.EndCommand("click set 0", true);
    // A refused command leaves nothing, the dialogs it opened neither.
    record.BeginCommand();
    record.BeginDialog(true);
    record.EndDialog("answer ok");
    record.EndCommand("click set 2", false);
    EXPECT_EQ(record.Lines(),
              (std::vector<std::string>{"select faces 1", "answer cancel", "inside question draw",
                                        "inside question colour 1 2 3 ok",
                                        "inside question click right set 1", "click set 0"}));
    EXPECT_EQ(record.Text().rfind("click set 0\n"), record.Text().size() - 12);
}

TEST(SessionRecord, QuotesWordsWithBlanks) {
    EXPECT_EQ(serve::CommandLine({"open", "my file.obj"}), "open \"my file.obj\"");
}

TEST(IndexWords, JoinsRunsAndDropsRepeats) {
    EXPECT_EQ(serve::IndexWords({9, 0, 1, 2, 2, 7, 10}),
              (std::vector<std::string>{"0-2", "7", "9-10"}));
    EXPECT_TRUE(serve::IndexWords({}).empty());
}

std::vector<std::uint32_t> Words(const std::string& block, std::size_t at, std::size_t count) {
    std::vector<std::uint32_t> words(count);
    std::memcpy(words.data(), block.data() + at, count * 4);
    return words;
}

TEST(MeshBinary, FansFacesAndListsEachFaceLineOnce) {
    sim::Mesh mesh;
    for (int i = 0; i < 6; ++i) mesh.AddVertex(sim::Vec3{float(i), 0.5f, -1.0f});
    mesh.AddFace({0, 1, 2, 3});  // a quad: two triangles, four lines
    mesh.AddFace({4, 5});        // a line face: no triangle, two lines
    mesh.AddFace({1, 2, 4});
    mesh.DeleteFace(2);  // a deleted face leaves its slot and nothing else
    const std::string block = serve::MeshBinary(mesh);
    // counts, positions, triangles and their faces, edges and their lines.
    ASSERT_EQ(block.size(), 20u + 6 * 12 + 2 * 12 + 2 * 4 + 6 * 8 + 6 * 8);
    EXPECT_EQ(Words(block, 0, 5), (std::vector<std::uint32_t>{6, 2, 6, 3, 0}));
    float position[3];
    std::memcpy(position, block.data() + 20 + 5 * 12, 12);
    EXPECT_EQ(position[0], 5.0f);
    EXPECT_EQ(position[2], -1.0f);
    std::size_t at = 20 + 6 * 12;
    EXPECT_EQ(Words(block, at, 6), (std::vector<std::uint32_t>{0, 1, 2, 0, 2, 3}));
    EXPECT_EQ(Words(block, at + 24, 2), (std::vector<std::uint32_t>{0, 0}));
    at += 32;
    EXPECT_EQ(Words(block, at, 12),
              (std::vector<std::uint32_t>{0, 1, 1, 2, 2, 3, 3, 0, 4, 5, 5, 4}));
    EXPECT_EQ(Words(block, at + 48, 12),
              (std::vector<std::uint32_t>{0, 0, 0, 1, 0, 2, 0, 3, 1, 0, 1, 1}));
}

}  // namespace
