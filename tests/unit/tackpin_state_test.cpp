// The plug-in object's own flags, slots and drawing objects under start,
// activation, the panel's controls and the document events: state that the
// host sees only through later draw passes. A Tackpin linked into the test
// runs against the simulated host.
#include <cmath>
#include <limits>

#include "cmq/cmq_object.h"

#include "host/station_messages.h"
#include "marker/tackpin.h"
#include "simhost/settings/settings_model.h"
#include "simhost/widgets/widget_dialogs.h"
#include "simhost/widgets/widget_events.h"
#include "simhost/widgets/widget_model.h"
#include "tests/unit/host_table_fixture.h"
#include "window/set_color_dialog.h"
#include "window/tackpin_window.h"

namespace {

class TackpinTest : public HostTableTest {
protected:
    void SetUp() override {
        HostTableTest::SetUp();
        sim::ExpectSender(Tackpin::kProductId, Tackpin::kPluginId);
        sim::Widgets().SetEventDocument(doc);
    }
    void TearDown() override {
        plugin.OnExit();
        HostTableTest::TearDown();
        sim::ExpectSender(0, 0);
    }

    // Starts with the stored activation `active`.
    void Start(bool active) {
        sim::Settings().SetChildText(
            host::SettingElementName(Tackpin::kProductId, Tackpin::kPluginId), "Tackpin_activate",
            active ? "1" : "0");
        ASSERT_EQ(plugin.OnStart(), 1);
    }
    // Host id of a panel control.
    static int Id(const MQWidgetBase* widget) { return widget->GetID(); }

    Tackpin plugin;
};

using TackpinLife = TackpinTest;

TEST_F(TackpinLife, StoredActivationMarksTheNormalsDirty) {
    plugin.normalsDirty = false;
    Start(true);
    EXPECT_TRUE(plugin.active);
    EXPECT_TRUE(plugin.normalsDirty);
}

TEST_F(TackpinLife, DeactivationForgetsTheDocumentOfTheLastPass) {
    Start(true);
    plugin.document = doc;
    EXPECT_EQ(plugin.OnActivate(doc, 0), 0);
    EXPECT_EQ(plugin.document, nullptr);
}

TEST_F(TackpinLife, ASecondStartMakesNoSecondPanel) {
    Start(false);
    TackpinWindow* first = plugin.window.get();
    Start(true);
    EXPECT_EQ(plugin.window.get(), first);
    EXPECT_EQ(sim::Widgets().ChildWindowsOf(sim::Widgets().MainWindowId()).size(), 1u);
    EXPECT_EQ(sim::Widgets().BoolProperty(first->GetID(), "visible"), true);
}

class PanelState : public TackpinTest {
protected:
    void SetUp() override {
        TackpinTest::SetUp();
        obj = sim::Documents().AddObject(doc, "square");
        AddVertices(obj, {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}});
        sim::Documents().AddFace(obj, {0, 1, 2});
        Start(true);
        window = plugin.window.get();
    }
    // Stores vertex `vertex` into row `row` without a question.
    void StoreInto(int row, int vertex) {
        sim::Documents().ClearSelection(doc);
        sim::Documents().SelectVertex(doc, obj, vertex);
        sim::PointerInfo shift;
        shift.buttonState = sim::button_bits::kShift;
        sim::UserLeftDown(Id(window->setButtons[static_cast<std::size_t>(row)]), shift);
    }
    // A drawing object for slot `row`, made in `where` as a draw pass would.
    void Draw(int row, MQDocument where) {
        MarkerSlot& slot = plugin.slots[static_cast<std::size_t>(row)];
        slot.drawObject = plugin.CreateDrawObject(where, 3);
        slot.drawDocument = where;
    }

    MQObject obj = nullptr;
    TackpinWindow* window = nullptr;
};

TEST_F(PanelState, ToggleClickGivesTheSlotTheButtonsNewState) {
    for (bool shown : {true, false}) {
        plugin.normalsDirty = false;
        sim::UserLeftDown(Id(window->toggleButtons[1]));
        EXPECT_EQ(plugin.slots[1].shown, shown);
        EXPECT_TRUE(plugin.normalsDirty);
    }
}

TEST_F(PanelState, OptionBoxesWriteTheirFlagAndOnlyViewAndNormalDirtyTheNormals) {
    struct Case {
        MQCheckBox* box;
        bool Tackpin::*option;
        bool dirties;
    };
    const Case cases[] = {{window->viewCheck, &Tackpin::showMarkers, true},
                          {window->normalCheck, &Tackpin::showNormals, true},
                          {window->overwriteCheck, &Tackpin::overwriteMode, false},
                          {window->allwaysCheck, &Tackpin::drawAlways, false}};
    for (const Case& c : cases) {
        for (int click = 0; click < 2; ++click) {
            const bool before = plugin.*c.option;
            plugin.normalsDirty = false;
            sim::UserClick(Id(c.box));
            EXPECT_EQ(plugin.*c.option, !before) << Id(c.box);
            EXPECT_EQ(plugin.normalsDirty, c.dirties) << Id(c.box);
        }
    }
}

TEST_F(PanelState, SpinBoxGivesTheNormalLengthOnlyOnceChanged) {
    EXPECT_EQ(plugin.normalLength, 10.0f);  // the box shows 5 until then
    plugin.normalsDirty = false;
    sim::UserChangeSpin(Id(window->valueSpin), 7.5);
    EXPECT_EQ(plugin.normalLength, 7.5f);
    EXPECT_TRUE(plugin.normalsDirty);
}

// A faulty host may answer any double; the length is held to the box's
// range, -100 to 100, and a value that is no number is not taken.
TEST_F(PanelState, SpinBoxValueBeyondTheBoxRangeIsHeldToIt) {
    constexpr double kFloatMax = std::numeric_limits<float>::max();
    const std::pair<double, float> cases[] = {
        {-7.5, -7.5f},
        {kFloatMax, 100.0f},
        {std::nextafter(kFloatMax, 1e300), 100.0f},
        {std::numeric_limits<double>::quiet_NaN(), 100.0f},
        {-1e300, -100.0f},
        {-100.0, -100.0f},
        {-99.5, -99.5f},
    };
    for (auto [position, length] : cases) {
        sim::UserChangeSpin(Id(window->valueSpin), position);
        EXPECT_EQ(plugin.normalLength, length) << position;
    }
}

TEST_F(PanelState, HandlersIgnoreASenderOutsideTheirRow) {
    WidgetMouseParam mouse;
    MQWidgetBase* stranger = window->viewCheck;
    plugin.normalsDirty = false;
    EXPECT_EQ(window->OnToggleLeftDown(stranger, doc, mouse), 0);
    EXPECT_EQ(window->OnToggleRightDown(stranger, doc, mouse), 0);
    EXPECT_EQ(window->OnSetLeftDown(window->toggleButtons[0], doc, mouse), 0);
    EXPECT_EQ(window->OnSetRightDown(stranger, doc, mouse), 0);
    EXPECT_EQ(window->OnClearLeftDown(window->setButtons[0], doc, mouse), 0);
    EXPECT_FALSE(plugin.normalsDirty);
    EXPECT_TRUE(plugin.slots[0].IsEmpty());
    EXPECT_TRUE(sim::Dialogs().ModalRuns().empty());
}

TEST_F(PanelState, NewDocumentDeletesDrawingObjectsWhereTheyWereMadeAndEmptiesSlots) {
    MQDocument older = sim::Documents().NewDocument();
    StoreInto(0, 0);
    StoreInto(2, 1);
    plugin.slots[2].color = {0.0f, 1.0f, 0.0f};
    Draw(0, doc);
    Draw(2, older);
    plugin.normalsDirty = false;
    DocumentDataOption option{};
    plugin.OnLoadDocument(doc, nullptr, option);
    EXPECT_EQ(sim::Documents().LiveDrawObjectCount(), 0);
    for (const MarkerSlot& slot : plugin.slots) {
        EXPECT_TRUE(slot.vertexUniqueIds.empty() && slot.edgeKeys.empty() &&
                    slot.normalCache.empty());
        EXPECT_EQ(slot.drawObject, nullptr);
    }
    for (MQButton* toggle : window->toggleButtons) EXPECT_FALSE(toggle->GetDown());
    EXPECT_EQ(plugin.slots[2].objectUniqueId, sim::Documents().ObjectUniqueId(obj));
    EXPECT_TRUE(plugin.slots[2].shown);
    EXPECT_EQ(plugin.slots[2].color, (std::array<float, 3>{0.0f, 1.0f, 0.0f}));
    EXPECT_FALSE(plugin.normalsDirty);

    const std::size_t messages = sim::SentMessages().size();
    plugin.OnLoadDocument(doc, nullptr, option);
    EXPECT_EQ(sim::SentMessages().size(), messages);  // nothing left to delete
}

TEST_F(PanelState, DestroyedPluginDeletesEachDrawingObjectInItsDocument) {
    MQDocument older = sim::Documents().NewDocument();
    {
        Tackpin unloading;
        unloading.slots.resize(3);
        unloading.slots[0].drawObject = unloading.CreateDrawObject(older, 3);
        unloading.slots[0].drawDocument = older;
        unloading.slots[1].drawObject = unloading.CreateDrawObject(doc, 3);
        unloading.slots[1].drawDocument = doc;
        ASSERT_EQ(sim::Documents().LiveDrawObjectCount(), 2);
    }
    EXPECT_EQ(sim::Documents().LiveDrawObjectCount(), 0);
}

// A drawing object with no document to delete it in stays named by its
// slot, and a pass without a document makes none.
TEST_F(PanelState, NoDrawingObjectIsForgottenOrMadeWithoutADocument) {
    StoreInto(0, 0);
    MarkerSlot& slot = plugin.slots[0];
    slot.drawObject = plugin.CreateDrawObject(doc, 3);
    MQObject held = slot.drawObject;
    plugin.ReleaseDrawObject(slot);
    EXPECT_EQ(slot.drawObject, held);
    EXPECT_EQ(sim::Documents().LiveDrawObjectCount(), 1);
    const std::size_t messages = sim::SentMessages().size();
    plugin.document = nullptr;
    plugin.RebuildOverlay(slot, cmq::CMQObject(obj, doc), 0, 3);
    EXPECT_EQ(sim::SentMessages().size(), messages);
    EXPECT_EQ(slot.drawObject, held);
    slot.drawDocument = doc;  // found again: now it can go
    plugin.ReleaseDrawObject(slot);
    EXPECT_EQ(slot.drawObject, nullptr);
    EXPECT_EQ(sim::Documents().LiveDrawObjectCount(), 0);
}

TEST_F(PanelState, GeometryChangeWithNormalOnDirtiesTheNormals) {
    sim::UserClick(Id(window->normalCheck));
    plugin.normalsDirty = false;
    plugin.OnDocumentEvent221(doc);
    EXPECT_TRUE(plugin.normalsDirty);
}

TEST(ColorConversion, PanelIntegersAreTruncatedAndLimited) {
    constexpr float kInf = std::numeric_limits<float>::infinity();
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    constexpr float kNan = std::numeric_limits<float>::quiet_NaN();
    const std::pair<float, int> cases[] = {
        {1.0f, 255},   {0.5f, 127},    {0.999f, 254}, {0.0f, 0},     {-0.5f, -127}, {2.0f, 510},
        {1e30f, kMax}, {-1e30f, kMin}, {kInf, kMax},  {-kInf, kMin}, {kNan, 0}};
    for (auto [component, panel] : cases)
        EXPECT_EQ(ColorComponentToPanel(component), panel) << component;
    EXPECT_EQ(PanelComponentToColor(255), 1.0f);
    EXPECT_EQ(PanelComponentToColor(127), static_cast<float>(127.0 / 255.0));
    EXPECT_EQ(PanelComponentToColor(0), 0.0f);
}

}  // namespace
