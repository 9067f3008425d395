// The plug-in's life in the host: start, exit, activation, and the values
// kept in the host's settings between runs.
#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "host/host_api.h"
#include "marker/tackpin.h"
#include "window/tackpin_window.h"

namespace {

// The keys, read and written in this order.
constexpr char kActivateKey[] = "Tackpin_activate";
constexpr char kPosXKey[] = "PosX";
constexpr char kPosYKey[] = "PosY";
constexpr char kComponentLetters[3] = {'r', 'g', 'b'};

// A position the host has not been told: it places the panel itself.
constexpr int kUnplaced = -1;
constexpr std::array<float, 3> kDefaultColor{1.0f, 0.0f, 1.0f};
// The main window's id when the host does not answer the lookup.
constexpr int kNoMainWindow = -1;

// "r0" ... "b2": the component's letter and the slot number.
std::array<char, 3> ColorKey(std::size_t component, std::size_t slot) {
    return {kComponentLetters[component], static_cast<char>('0' + slot), '\0'};
}

}  // namespace

int Tackpin::OnStart() {
    // Whatever may fail (memory running out) comes first and changes nothing
    // of the plug-in: the settings are read into locals and the panel is
    // made aside. A start that fails leaves the plug-in as it was.
    int posX = kUnplaced;
    int posY = kUnplaced;
    // A host without a settings place: every key counts as missing.
    bool activate = false;
    std::array<std::array<float, 3>, kRows> colors;
    colors.fill(kDefaultColor);
    if (std::unique_ptr<MQSetting> setting = OpenSetting()) {
        setting->Load(kActivateKey, activate, false);
        setting->Load(kPosXKey, posX, kUnplaced);
        setting->Load(kPosYKey, posY, kUnplaced);
        for (std::size_t i = 0; i < kRows; ++i) {
            for (std::size_t c = 0; c < 3; ++c)
                setting->Load(ColorKey(c, i).data(), colors[i][c], kDefaultColor[c]);
        }
    }
    slots.reserve(std::max<std::size_t>(slots.size(), kRows));

    std::unique_ptr<TackpinWindow> made;
    if (window == nullptr) {
        // Room for this panel among the closed ones, should an exit come
        // while a handler of it runs: the exit then cannot fail to close it.
        closedPanels.reserve(closedPanels.size() + 1);
        // The wrapper only names the host's main window; it owns nothing.
        MQWindow mainWindow = MQWindow::GetMainWindow();
        // A lookup the host left unanswered keeps the preset -1, which names
        // no window: the panel is then adopted by none rather than handed to
        // a window that does not exist.
        const bool mainKnown = mainWindow.GetID() != kNoMainWindow && mainWindow.GetID() != 0;
        made = std::make_unique<TackpinWindow>(*this, mainKnown ? &mainWindow : nullptr);
        // A coordinate below 0 was never a place of the panel.
        if (posX >= 0 && posY >= 0) {
            made->SetPosX(posX);
            made->SetPosY(posY);
        }
    }

    // From here on nothing allocates.
    if (slots.size() < kRows) slots.resize(kRows);
    for (std::size_t i = 0; i < kRows; ++i) slots[i].color = colors[i];
    if (made != nullptr) window = std::move(made);
    OnActivate(nullptr, activate ? 1 : 0);
    return 1;
}

void Tackpin::OnExit() {
    // Exit without a panel (before start, or a second time): there is no
    // position to read, and writing the rest would replace what the last
    // real exit saved.
    if (window == nullptr) return;
    // The host takes the panel's widgets to be gone after its exit, so the
    // panel is closed even when the settings could not be saved; those are
    // saved all or not at all.
    try {
        SaveSettings();
    } catch (...) {
        ClosePanel();
        throw;
    }
    ClosePanel();
}

void Tackpin::SaveSettings() {
    std::unique_ptr<MQSetting> setting = OpenSetting();
    if (setting == nullptr) return;
    // Every value is written out before the first is saved.
    std::vector<MQSetting::Prepared> values;
    values.reserve(3 + 3 * kRows);
    values.push_back(MQSetting::Prepare(kActivateKey, active));
    values.push_back(MQSetting::Prepare(kPosXKey, window->GetPosX()));
    values.push_back(MQSetting::Prepare(kPosYKey, window->GetPosY()));
    for (std::size_t i = 0; i < kRows; ++i) {
        for (std::size_t c = 0; c < 3; ++c)
            values.push_back(MQSetting::Prepare(ColorKey(c, i).data(), slots[i].color[c]));
    }
    for (const MQSetting::Prepared& value : values) setting->Save(value);
}

void Tackpin::ClosePanel() noexcept {
    placedVertices.Release();
    // A handler of the panel is still on the stack, waiting in a question or
    // the colour dialog: deleting the panel now would pull it from under
    // that handler and destroy the dialog's parent while it runs. It is
    // hidden instead, after it stopped being the plug-in's panel, so that
    // a hide event it brings finds its handlers already inert. The start
    // that made the panel made room for it among the closed ones.
    if (panelHandlersRunning > 0) {
        closedPanels.push_back(std::move(window));
        closedPanels.back()->SetVisible(false);
    } else {
        window.reset();
    }
}

int Tackpin::OnActivate(MQDocument, int flag) {
    if (window == nullptr) return 0;
    active = flag != 0;
    window->SetVisible(active);
    if (active) {
        normalsDirty = true;
        host::RefreshView();
    } else {
        // The drawing objects stay until the next pass or document reset.
        document = nullptr;
    }
    return active ? 1 : 0;
}

int Tackpin::IsActivated(MQDocument) { return window != nullptr && active ? 1 : 0; }
