// tackpin-serve as a program: started on the demo's pinboard, asked over
// HTTP as a browser and as an attacker would ask, and ended with SIGINT.
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <regex>
#include <thread>

#include <gtest/gtest.h>
#include <httplib.h>
#include <nlohmann/json.hpp>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using nlohmann::json;

class ServeProcessTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("tackpin-serve-process-" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "page");
        std::ofstream(dir_ / "page" / "index.html") << "<html>the page</html>";
        std::ofstream(dir_ / "outside.txt") << "not the page's";
        const std::string out = (dir_ / "out.txt").string();
        std::vector<std::string> arguments = {TACKPIN_SERVE,
                                              "--port",
                                              "0",
                                              "--settings",
                                              (dir_ / "settings.xml").string(),
                                              "--page",
                                              (dir_ / "page").string(),
                                              std::string(TACKPIN_SOURCE) +
                                                  "/examples/pinboard.tps"};
        std::vector<char*> argv;
        for (std::string& argument : arguments) argv.push_back(argument.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        ASSERT_EQ(posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ), 0);
        posix_spawn_file_actions_destroy(&actions);
        // The address it prints once it listens.
        const std::regex address("open http://127\\.0\\.0\\.1:([0-9]+)/ in a browser");
        for (int tries = 0; tries < 600 && port_ == 0; ++tries) {
            std::ifstream file(out);
            std::string text((std::istreambuf_iterator<char>(file)), {});
            std::smatch match;
            if (std::regex_search(text, match, address))
                port_ = std::stoi(match[1]);
            else
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        ASSERT_NE(port_, 0) << "tackpin-serve did not start";
    }

    void TearDown() override {
        if (pid_ > 0) {
            kill(pid_, SIGINT);
            waitpid(pid_, nullptr, 0);
        }
        fs::remove_all(dir_);
    }

    // Ends it as Ctrl-C does; its exit status.
    int Interrupt() {
        kill(pid_, SIGINT);
        int status = 0;
        waitpid(pid_, &status, 0);
        pid_ = 0;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    httplib::Client Client() { return httplib::Client("127.0.0.1", port_); }
    std::string Own() const { return "127.0.0.1:" + std::to_string(port_); }

    fs::path dir_;
    pid_t pid_ = 0;
    int port_ = 0;
};

TEST_F(ServeProcessTest, RefusesForeignHostsAndOriginsAndServesOnlyThePage) {
    httplib::Client client = Client();
    auto state = client.Get("/api/state");
    ASSERT_TRUE(state);
    EXPECT_EQ(state->status, 200);
    EXPECT_EQ(json::parse(state->body)["drawing"].size(), 3u);
    const std::string before = json::parse(state->body)["objects"].dump();

    struct Case {
        httplib::Headers headers;
        int status;
    };
    const std::string own = "http://" + Own();
    const Case cases[] = {
        {{{"Host", "evil.example:" + std::to_string(port_)}}, 403},
        {{{"Host", "127.0.0.1:1"}}, 403},
        {{{"Origin", "http://evil.example"}}, 403},
        {{{"Origin", "null"}}, 403},
        {{{"Origin", own}}, 200},
        {{{"Host", "localhost:" + std::to_string(port_)},
          {"Origin", "http://localhost:" + std::to_string(port_)}},
         200},
    };
    for (const Case& c : cases) {
        auto reply = client.Post("/api/action", c.headers, R"({"action": "select-all"})",
                                 "application/json");
        ASSERT_TRUE(reply);
        EXPECT_EQ(reply->status, c.status) << reply->body;
        if (c.status == 403) {
            EXPECT_NE(reply->body.find("is not this server"), std::string::npos);
        }
    }
    auto page = client.Get("/");
    ASSERT_TRUE(page);
    EXPECT_EQ(page->body, "<html>the page</html>");
    for (const char* path : {"/../outside.txt", "/%2e%2e/outside.txt", "/page/", "/index.html/",
                             "/api/nothing", "/etc/passwd"}) {
        auto reply = client.Get(path);
        ASSERT_TRUE(reply) << path;
        EXPECT_EQ(reply->status, 404) << path;
    }
    EXPECT_EQ(json::parse(client.Get("/api/state")->body)["objects"].dump(), before);
    EXPECT_EQ(Interrupt(), 0);
}

TEST_F(ServeProcessTest, AnUploadIsReadFromTheRequestOnly) {
    httplib::Client client = Client();
    const std::string triangle = "o tri\nv 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n";
    auto refused = client.Post("/api/open?name=../../tri.obj", triangle, "text/plain");
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->status, 400);
    auto malformed = client.Post("/api/open?name=bad.obj", "v 1 2\nf 1 9 3\n", "text/plain");
    ASSERT_TRUE(malformed);
    EXPECT_EQ(malformed->status, 400);
    EXPECT_NE(malformed->body.find("bad.obj:"), std::string::npos) << malformed->body;
    auto large =
        client.Post("/api/open?name=big.obj", std::string((64u << 20) + 1, ' '), "text/plain");
    ASSERT_TRUE(large);
    EXPECT_EQ(large->status, 413);
    auto opened = client.Post("/api/open?name=tri.obj", triangle, "text/plain");
    ASSERT_TRUE(opened);
    ASSERT_EQ(opened->status, 200) << opened->body;
    EXPECT_EQ(json::parse(opened->body)["objects"].back()["name"], "tri");
    EXPECT_NE(client.Get("/api/script")->body.find("\nopen tri.obj\n"), std::string::npos);
    EXPECT_EQ(Interrupt(), 0);
    // Nothing was written but the settings file and the program's output.
    std::vector<std::string> written;
    for (const auto& entry : fs::recursive_directory_iterator(dir_))
        if (entry.is_regular_file()) written.push_back(entry.path().filename().string());
    std::sort(written.begin(), written.end());
    EXPECT_EQ(written,
              (std::vector<std::string>{"index.html", "out.txt", "outside.txt", "settings.xml"}));
}

}  // namespace
