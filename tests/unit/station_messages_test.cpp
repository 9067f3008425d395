// The station messages as the simulated host receives them: the header byte
// for byte, the list keys in order, and what the services make of the
// host's answers.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "simhost/documents/document_model.h"
#include "tests/unit/station_under_test.h"

namespace {

using Strings = std::vector<std::string>;

template <typename T>
T At(const MessageHeader& header, std::size_t offset) {
    T value;
    std::memcpy(&value, reinterpret_cast<const unsigned char*>(&header) + offset, sizeof value);
    return value;
}

class StationMessages : public StationTest {
protected:
    const sim::SentMessage& Last() {
        static const sim::SentMessage none;
        EXPECT_FALSE(sim::SentMessages().empty());
        return sim::SentMessages().empty() ? none : sim::SentMessages().back();
    }
    void ExpectHeaderOfThisStation(const sim::SentMessage& sent) {
        EXPECT_EQ(At<unsigned int>(sent.header, 0), kProduct);
        EXPECT_EQ(At<unsigned int>(sent.header, 4), kId);
        EXPECT_EQ(At<int>(sent.header, 8), 0);
        EXPECT_NE(At<void*>(sent.header, 16), nullptr);
    }
};

TEST_F(StationMessages, DeactivateNoticeCarriesBothIdsAndAPointerToZero) {
    station.SendDeactivateNotice();
    const sim::SentMessage& sent = Last();
    EXPECT_EQ(sent.number, 100);
    ExpectHeaderOfThisStation(sent);
    EXPECT_EQ(sent.flag, 0);
    EXPECT_TRUE(sent.keys.empty());
    EXPECT_EQ(sim::DeactivateNotices(), 1);
}

TEST_F(StationMessages, DrawObjectLivesFromCreateToDelete) {
    MQDocument doc = sim::Documents().NewDocument();
    MQObject drawing = station.CreateDrawObject(doc, 2);
    ASSERT_NE(drawing, nullptr);
    EXPECT_EQ(Last().number, 200);
    ExpectHeaderOfThisStation(Last());
    EXPECT_EQ(Last().keys, (Strings{"document", "visibility", "instant", "result"}));
    std::vector<sim::DrawObjectInfo> made = sim::Documents().DrawObjects(doc);
    ASSERT_EQ(made.size(), 1u);
    EXPECT_EQ(made[0].handle, drawing);
    EXPECT_EQ(made[0].document, doc);
    EXPECT_EQ(made[0].visibility, 2);

    station.DeleteDrawObject(doc, drawing);
    EXPECT_EQ(Last().number, 210);
    ExpectHeaderOfThisStation(Last());
    EXPECT_EQ(Last().keys, (Strings{"document", "object"}));
    EXPECT_EQ(sim::Documents().LiveDrawObjectCount(), 0);
}

TEST_F(StationMessages, DrawObjectsAreAlwaysSentAsNotInstant) {
    MQDocument doc = sim::Documents().NewDocument();
    for (int visibility : {0, 1, 3}) station.CreateDrawObject(doc, visibility);
    std::vector<sim::DrawObjectInfo> made = sim::Documents().DrawObjects(doc);
    ASSERT_EQ(made.size(), 3u);
    for (const sim::DrawObjectInfo& info : made) {
        EXPECT_EQ(info.instant, 0);
        station.DeleteDrawObject(doc, info.handle);
    }
}

TEST_F(StationMessages, DrawObjectRefusedByTheHostIsNull) {
    MQDocument doc = sim::Documents().NewDocument();
    sim::Documents().Faults().refuseDrawObjects = true;
    EXPECT_EQ(station.CreateDrawObject(doc, 3), nullptr);
    EXPECT_EQ(sim::Documents().LiveDrawObjectCount(), 0);
}

TEST_F(StationMessages, SceneOptionsComeFromTheScene) {
    MQDocument doc = sim::Documents().NewDocument();
    MQScene scene = sim::Documents().NewScene(doc, sim::SceneOptions{1, 0, 1, 1, 0});
    SceneOptions options;
    station.GetSceneOption(scene, options);
    EXPECT_EQ(Last().number, 410);
    ExpectHeaderOfThisStation(Last());
    EXPECT_EQ(Last().keys, (Strings{"scene", "show_vertex", "show_line", "show_face", "front_only",
                                    "show_bkimg"}));
    EXPECT_EQ(options.showVertex, 1);
    EXPECT_EQ(options.showLine, 0);
    EXPECT_EQ(options.showFace, 1);
    EXPECT_EQ(options.frontOnly, 1);
    EXPECT_EQ(options.showBkimg, 0);
}

TEST_F(StationMessages, SceneOptionsAreAllOffWhenTheHostAnswersNothing) {
    MQDocument doc = sim::Documents().NewDocument();
    MQScene scene = sim::Documents().NewScene(doc, sim::SceneOptions{1, 1, 1, 1, 1});
    sim::Documents().Faults().silentScenes = true;
    SceneOptions options{1, 1, 1, 1, 1};
    station.GetSceneOption(scene, options);
    EXPECT_EQ(options.showVertex, 0);
    EXPECT_EQ(options.showLine, 0);
    EXPECT_EQ(options.showFace, 0);
    EXPECT_EQ(options.frontOnly, 0);
    EXPECT_EQ(options.showBkimg, 0);
}

TEST_F(StationMessages, SettingsLookupAsksForRootAndPluginSettings) {
    station.OpenSetting();
    const sim::SentMessage& sent = sim::SentMessages().at(0);
    EXPECT_EQ(sent.number, 505);
    ExpectHeaderOfThisStation(sent);
    EXPECT_EQ(sent.keys, (Strings{"root", "pluginsettings"}));
}

}  // namespace
