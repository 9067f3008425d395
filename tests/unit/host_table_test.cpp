// MQInit's resolution of the host function table.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "host/host_api.h"
#include "platform/platform.h"
#include "simhost/contract/violations.h"
#include "simhost/plugin_module.h"

namespace {

void Sentinel() {}

int EntryOf(host::Fn fn) { return static_cast<int>(fn); }

class HostTable : public ::testing::Test {
protected:
    void TearDown() override {
        // Leave the table filled from the simulated host for later tests.
        ASSERT_EQ(host::ResolveHostFunctions(sim::HostModulePath().c_str()), 1);
    }
    static std::string PartialHostPath() {
        return sim::ModuleFolder() + platform::kPathSeparator + "partial_host" +
               platform::kModuleSuffix;
    }
};

TEST_F(HostTable, LooksUp176NamesForThe175Entries) {
    ASSERT_EQ(host::kLookupCount, 176);
    EXPECT_STREQ(host::kLookupOrder[7].name, "MQ_GetSystemPath");
    EXPECT_STREQ(host::kLookupOrder[9].name, "MQ_GetSystemPath");
    EXPECT_EQ(host::kLookupOrder[7].entry, host::kLookupOrder[9].entry);
    EXPECT_STREQ(host::kLookupOrder[0].name, "MQ_GetWindowHandle");
    EXPECT_STREQ(host::kLookupOrder[175].name, "MQCanvas_Value");
    std::set<int> entries;
    for (int i = 0; i < host::kLookupCount; ++i)
        entries.insert(EntryOf(host::kLookupOrder[i].entry));
    EXPECT_EQ(entries.size(), 175u);
}

TEST_F(HostTable, TheHostTreatsACallOfEveryOnlyResolvedFunctionAsABreach) {
    platform::ModuleHandle module = platform::LoadModule(sim::HostModulePath().c_str());
    ASSERT_NE(module, nullptr);
    int resolvedOnly = 0;
    for (const host::FunctionName& function : host::kFunctionNames) {
        void* address = platform::FindSymbol(module, function.name);
        ASSERT_NE(address, nullptr) << function.name;
        if (function.use != host::FunctionUse::Resolved) continue;
        ++resolvedOnly;
        sim::ClearViolations();
        reinterpret_cast<void (*)()>(address)();
        ASSERT_EQ(sim::Violations().size(), 1u) << function.name;
        EXPECT_EQ(sim::Violations()[0], std::string("unexpected call: ") + function.name);
    }
    sim::ClearViolations();
    platform::ReleaseModule(module);
    EXPECT_EQ(resolvedOnly, 146);
}

TEST_F(HostTable, FillsEveryEntryFromTheHost) {
    for (auto& entry : host::g_functions) entry = nullptr;
    ASSERT_EQ(host::ResolveHostFunctions(sim::HostModulePath().c_str()), 1);
    for (int i = 0; i < host::kFunctionCount; ++i) EXPECT_NE(host::g_functions[i], nullptr) << i;
}

TEST_F(HostTable, StopsAtTheFirstMissingNameAndKeepsLaterEntries) {
    for (auto& entry : host::g_functions) entry = &Sentinel;
    EXPECT_EQ(host::ResolveHostFunctions(PartialHostPath().c_str()), 0);
    const int missing = EntryOf(host::Fn::MQDoc_GetObjectCount);
    for (int i = 0; i < host::kFunctionCount; ++i) {
        if (i < missing)
            EXPECT_NE(host::g_functions[i], &Sentinel) << "entry " << i << " was not filled";
        else
            EXPECT_EQ(host::g_functions[i], &Sentinel) << "entry " << i << " was overwritten";
    }
}

TEST_F(HostTable, AModuleThatDoesNotLoadAnswers0) {
    EXPECT_EQ(host::ResolveHostFunctions("no-such-module"), 0);
    EXPECT_EQ(host::ResolveHostFunctions(nullptr), 0);
}

TEST_F(HostTable, EmptyEntriesAnswerThePresetInsteadOfJumping) {
    for (auto& entry : host::g_functions) entry = nullptr;
    EXPECT_EQ(host::DocGetCurrentObjectIndex(nullptr), -1);
    EXPECT_EQ(host::DocGetObject(nullptr, 0), nullptr);
    EXPECT_EQ(host::ObjGetVertexCount(nullptr), 0);
    host::RefreshView();
}

}  // namespace
