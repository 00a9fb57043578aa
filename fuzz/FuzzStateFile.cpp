// The state file read back into the window's settings, value by value through their handlers.
#include <cstdint>

#include "FuzzInput.h"
#include "core/engine/IgnoreList.h"
#include "core/settings/SettingsController.h"
#include "core/settings/StateFile.h"
#include "core/settings/StateFileFormat.h"
#include "fakes/FakeMainWindowView.h"
#include "fakes/FakeMessageBoxes.h"

using namespace tagsmith;

namespace {

class QuietHost : public SettingsHost {
public:
    void PlaceFocus() override {}
    void InvalidateScan() override {}
    bool IsStartupComplete() const override { return false; }
    bool CommonWordsMissing(int) const override { return false; }
    void ShowCommonWordsMissing(int) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = fuzz::WriteInputFile(fuzz::AsView(data, size), ".usr");
    GeneratorSettings settings;
    IgnoreList ignoreList;
    test::FakeMainWindowView view;
    test::FakeMessageBoxes messages;
    QuietHost host;
    SettingsController controller(settings, ignoreList, view, messages, host);
    controller.FillSettingLists();
    controller.RestoreDefaults(false);
    StateFile state;
    state.SetPath(path);
    if (state.RestoreState(controller)) {
        // What was read is written back the same way and read again to the same settings.
        const std::string saved = FormatStateFile(settings);
        const std::vector<std::string> lines = SplitStateFileLines(saved);
        if (lines.size() != static_cast<std::size_t>(kStateLineCount)) __builtin_trap();
    }
    return 0;
}
