// The records of the station messages, byte for byte, as a host sees them
// at the moment of MQ_SendMessage; and what the services make of the
// host's answers.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "host/host_api.h"
#include "simhost/document_model.h"
#include "tests/unit/station_under_test.h"

namespace {

// One pair of a message list, with the integer its value pointed at when
// the message was sent.
struct PairSeen {
    std::string key;
    void* value = nullptr;
};

struct MessageSeen {
    int number = 0;
    unsigned char header[sizeof(MessageHeader)] = {};
    std::vector<PairSeen> pairs;
};

std::function<void(int, MessageHeader*)> g_host;

int HostStandIn(int number, MessageHeader* header) {
    g_host(number, header);
    return 0;
}

template <typename T>
T At(const unsigned char* bytes, std::size_t offset) {
    T value;
    std::memcpy(&value, bytes + offset, sizeof value);
    return value;
}

int IntAt(void* value) { return *static_cast<int*>(value); }

// A station whose MQ_SendMessage is a stand-in that records each message
// and answers through `answer`.
class StationMessages : public StationTest {
protected:
    void SetUp() override {
        StationTest::SetUp();
        if (HasFatalFailure()) return;
        saved_ = host::g_functions[static_cast<int>(host::Fn::MQ_SendMessage)];
        host::g_functions[static_cast<int>(host::Fn::MQ_SendMessage)] =
            reinterpret_cast<host::HostProc>(&HostStandIn);
        g_host = [this](int number, MessageHeader* header) {
            MessageSeen seen;
            seen.number = number;
            std::memcpy(seen.header, header, sizeof seen.header);
            if (number != 100) {
                for (auto* pair = static_cast<KeyValuePair*>(header->option); pair->key; ++pair)
                    seen.pairs.push_back({pair->key, pair->value});
                firstInts.clear();
                for (const PairSeen& pair : seen.pairs)
                    firstInts.push_back(pair.key == "document" || pair.key == "object" ||
                                                pair.key == "scene" || pair.value == nullptr
                                            ? -1
                                            : IntAt(pair.value));
            } else {
                firstInts = {*static_cast<int*>(header->option)};
            }
            seen_.push_back(seen);
            if (answer) answer(static_cast<KeyValuePair*>(header->option));
        };
    }
    void TearDown() override {
        host::g_functions[static_cast<int>(host::Fn::MQ_SendMessage)] = saved_;
        g_host = nullptr;
        StationTest::TearDown();
    }

    const MessageSeen& Only() {
        EXPECT_EQ(seen_.size(), 1u);
        static const MessageSeen none;
        return seen_.empty() ? none : seen_.back();
    }
    static std::vector<std::string> Keys(const MessageSeen& seen) {
        std::vector<std::string> keys;
        for (const PairSeen& pair : seen.pairs) keys.push_back(pair.key);
        return keys;
    }
    void ExpectHeaderOfThisStation(const MessageSeen& seen) {
        EXPECT_EQ(At<unsigned int>(seen.header, 0), kProduct);
        EXPECT_EQ(At<unsigned int>(seen.header, 4), kId);
        EXPECT_EQ(At<int>(seen.header, 8), 0);
        EXPECT_NE(At<void*>(seen.header, 16), nullptr);
    }

    std::function<void(KeyValuePair*)> answer;
    std::vector<int> firstInts;  // integers behind the values at sending time

private:
    host::HostProc saved_ = nullptr;
    std::vector<MessageSeen> seen_;
};

const auto kDoc = reinterpret_cast<MQDocument>(0xD0C0);
const auto kScene = reinterpret_cast<MQScene>(0x5CE0);
const auto kDrawing = reinterpret_cast<MQObject>(0xD4A0);

TEST_F(StationMessages, DeactivateNoticeCarriesBothIdsAndAPointerToZero) {
    station.SendDeactivateNotice();
    const MessageSeen& seen = Only();
    EXPECT_EQ(seen.number, 100);
    ExpectHeaderOfThisStation(seen);
    EXPECT_EQ(firstInts, std::vector<int>{0});
}

TEST_F(StationMessages, CreateDrawObjectSendsInstantZeroAndReturnsTheHostsObject) {
    answer = [](KeyValuePair* list) { list[3].value = kDrawing; };
    for (int visibility : {0, 1, 2, 3}) {
        firstInts.clear();
        EXPECT_EQ(station.CreateDrawObject(kDoc, visibility), kDrawing);
        EXPECT_EQ(firstInts, (std::vector<int>{-1, visibility, 0, -1}));
    }
}

TEST_F(StationMessages, CreateDrawObjectListIsDocumentVisibilityInstantResult) {
    station.CreateDrawObject(kDoc, 3);
    const MessageSeen& seen = Only();
    EXPECT_EQ(seen.number, 200);
    ExpectHeaderOfThisStation(seen);
    EXPECT_EQ(Keys(seen), (std::vector<std::string>{"document", "visibility", "instant", "result"}));
    ASSERT_EQ(seen.pairs.size(), 4u);
    EXPECT_EQ(seen.pairs[0].value, kDoc);
    EXPECT_EQ(seen.pairs[3].value, nullptr);  // the host's answer goes here
}

TEST_F(StationMessages, CreateDrawObjectIsNullWhenTheHostMakesNone) {
    EXPECT_EQ(station.CreateDrawObject(kDoc, 1), nullptr);
}

TEST_F(StationMessages, DeleteDrawObjectNamesDocumentAndObject) {
    station.DeleteDrawObject(kDoc, kDrawing);
    const MessageSeen& seen = Only();
    EXPECT_EQ(seen.number, 210);
    ExpectHeaderOfThisStation(seen);
    EXPECT_EQ(Keys(seen), (std::vector<std::string>{"document", "object"}));
    ASSERT_EQ(seen.pairs.size(), 2u);
    EXPECT_EQ(seen.pairs[0].value, kDoc);
    EXPECT_EQ(seen.pairs[1].value, kDrawing);
}

TEST_F(StationMessages, SceneOptionsAreAllOffWhenTheHostAnswersNothing) {
    SceneOptions options{1, 1, 1, 1, 1};
    station.GetSceneOption(kScene, options);
    const MessageSeen& seen = Only();
    EXPECT_EQ(seen.number, 410);
    ExpectHeaderOfThisStation(seen);
    EXPECT_EQ(Keys(seen), (std::vector<std::string>{"scene", "show_vertex", "show_line",
                                                    "show_face", "front_only", "show_bkimg"}));
    EXPECT_EQ(firstInts, (std::vector<int>{-1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(seen.pairs[0].value, kScene);
    EXPECT_EQ(options.showVertex, 0);
    EXPECT_EQ(options.showLine, 0);
    EXPECT_EQ(options.showFace, 0);
    EXPECT_EQ(options.frontOnly, 0);
    EXPECT_EQ(options.showBkimg, 0);
}

TEST_F(StationMessages, SceneOptionsAreReadFromTheHostsAnswers) {
    answer = [](KeyValuePair* list) {
        for (int i = 1; i <= 5; ++i) *static_cast<int*>(list[i].value) = i % 2 == 0 ? 0 : i;
    };
    SceneOptions options;
    station.GetSceneOption(kScene, options);
    EXPECT_EQ(options.showVertex, 1);
    EXPECT_EQ(options.showLine, 0);
    EXPECT_EQ(options.showFace, 3);
    EXPECT_EQ(options.frontOnly, 0);
    EXPECT_EQ(options.showBkimg, 5);
}

TEST_F(StationMessages, SettingsLookupAsksForRootAndPluginSettingsBothNull) {
    EXPECT_EQ(station.OpenSetting(), nullptr);
    const MessageSeen& seen = Only();
    EXPECT_EQ(seen.number, 505);
    ExpectHeaderOfThisStation(seen);
    EXPECT_EQ(Keys(seen), (std::vector<std::string>{"root", "pluginsettings"}));
    ASSERT_EQ(seen.pairs.size(), 2u);
    EXPECT_EQ(seen.pairs[0].value, nullptr);
    EXPECT_EQ(seen.pairs[1].value, nullptr);
}

// Through the simulated host's own MQ_SendMessage: the record it keeps.
TEST_F(StationTest, DeactivateNoticeReachesTheHostWithStateZero) {
    station.SendDeactivateNotice();
    ASSERT_EQ(sim::SentMessages().size(), 1u);
    const sim::SentMessage& sent = sim::SentMessages()[0];
    EXPECT_EQ(sent.number, 100);
    EXPECT_EQ(sent.header.product, kProduct);
    EXPECT_EQ(sent.header.id, kId);
    EXPECT_EQ(sent.header.reserved, 0);
    EXPECT_EQ(sent.flag, 0);
    EXPECT_TRUE(sent.keys.empty());
    EXPECT_EQ(sim::DeactivateNotices(), 1);
}

TEST_F(StationTest, DrawObjectLivesFromCreateToDelete) {
    MQDocument doc = sim::Documents().NewDocument();
    MQObject drawing = station.CreateDrawObject(doc, 2);
    ASSERT_NE(drawing, nullptr);
    std::vector<sim::DrawObjectInfo> made = sim::Documents().DrawObjects(doc);
    ASSERT_EQ(made.size(), 1u);
    EXPECT_EQ(made[0].handle, drawing);
    EXPECT_EQ(made[0].document, doc);
    EXPECT_EQ(made[0].visibility, 2);
    EXPECT_EQ(made[0].instant, 0);
    EXPECT_EQ(sim::SentMessages().back().keys,
              (std::vector<std::string>{"document", "visibility", "instant", "result"}));

    station.DeleteDrawObject(doc, drawing);
    EXPECT_EQ(sim::Documents().LiveDrawObjectCount(), 0);
    EXPECT_EQ(sim::SentMessages().back().number, 210);
}

TEST_F(StationTest, DrawObjectRefusedByTheHostIsNull) {
    MQDocument doc = sim::Documents().NewDocument();
    sim::Documents().Faults().refuseDrawObjects = true;
    EXPECT_EQ(station.CreateDrawObject(doc, 3), nullptr);
    EXPECT_EQ(sim::Documents().LiveDrawObjectCount(), 0);
}

TEST_F(StationTest, SceneOptionsComeFromTheScene) {
    MQDocument doc = sim::Documents().NewDocument();
    MQScene scene = sim::Documents().NewScene(doc, sim::SceneOptions{1, 0, 1, 1, 0});
    SceneOptions options;
    station.GetSceneOption(scene, options);
    EXPECT_EQ(options.showVertex, 1);
    EXPECT_EQ(options.showLine, 0);
    EXPECT_EQ(options.showFace, 1);
    EXPECT_EQ(options.frontOnly, 1);
    EXPECT_EQ(options.showBkimg, 0);
}

TEST_F(StationTest, SceneOptionsAreAllOffWhenTheSceneAnswersNothing) {
    MQDocument doc = sim::Documents().NewDocument();
    MQScene scene = sim::Documents().NewScene(doc, sim::SceneOptions{1, 1, 1, 1, 1});
    sim::Documents().Faults().silentScenes = true;
    SceneOptions options{1, 1, 1, 1, 1};
    station.GetSceneOption(scene, options);
    EXPECT_EQ(options.showVertex + options.showLine + options.showFace + options.frontOnly +
                  options.showBkimg,
              0);
}

}  // namespace
