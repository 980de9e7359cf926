// window.external as a page sees it: JScript calling the bridge by name, and
// the bridge's IDispatch answers.
#include <gtest/gtest.h>

#include <objbase.h>

#include <string>
#include <vector>

#include "mainwindow/VLMainFrameExternal.h"
#include "tests/support/ScriptHost.h"

namespace {

class RecordingCallback : public CVLMainDlgExternalCallback {
public:
    void NoOperation() override { calls.push_back("NoOperation"); }
    void GetMirroringList() override { calls.push_back("GetMirroringList"); }
    void UserLogin() override { calls.push_back("UserLogin"); }
    void UserLogout() override { calls.push_back("UserLogout"); }
    bool QueryRunningVm() override {
        calls.push_back("QueryRunningVm");
        return true;
    }
    std::vector<std::string> calls;
};

class BridgeTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        m_external.SetCallback(&m_callback);
    }
    void TearDown() override { CoUninitialize(); }

    testsupport::ScriptRun Run(const wchar_t* code) {
        return testsupport::RunJScript(code, L"external", &m_external);
    }

    RecordingCallback m_callback;
    CVLMainFrameExternal m_external;
};

const std::vector<std::string> kSubmit = {"UserLogin", "QueryRunningVm"};

TEST_F(BridgeTest, ScriptCallToVlSubmitLogsInThenQueries) {
    const auto run = Run(L"external.vl_submit();");
    ASSERT_TRUE(run.started);
    EXPECT_EQ(run.parseResult, S_OK);
    EXPECT_TRUE(run.errors.empty());
    EXPECT_EQ(m_callback.calls, kSubmit);
}

TEST_F(BridgeTest, ReadingVlSubmitAsAPropertyRunsItToo) {
    const auto run = Run(L"var x = external.vl_submit;");
    ASSERT_TRUE(run.started);
    EXPECT_EQ(m_callback.calls, kSubmit);
}

TEST_F(BridgeTest, InertNamesAndExtraArgumentsDoNothingMore) {
    const auto run = Run(
        L"external.CB_Minimum(); external.CB_Refresh(1); external.CB_ReceiveMsg('a', 2);"
        L"external.commit_question(); external.vl_submit(1, 'extra');");
    ASSERT_TRUE(run.started);
    EXPECT_TRUE(run.errors.empty());
    EXPECT_EQ(m_callback.calls, kSubmit);
}

TEST_F(BridgeTest, UnknownNameIsAScriptErrorNotACrash) {
    const auto run = Run(L"external.VL_SUBMIT();");
    ASSERT_TRUE(run.started);
    EXPECT_EQ(run.errors.size(), 1u);
    EXPECT_TRUE(m_callback.calls.empty());
}

TEST_F(BridgeTest, ScriptGetsNothingBack) {
    const auto run = Run(L"if (external.vl_submit() !== undefined) external.bad_name();");
    EXPECT_TRUE(run.errors.empty());
}

// --- IDispatch answers -------------------------------------------------------------

TEST_F(BridgeTest, NamesResolveCaseSensitivelyAndAllAreWritten) {
    const wchar_t* names[] = {L"CB_Refresh", L"nope", L"vl_submit", L"cb_minimum",
                              L"CB_ReceiveMsg", L"commit_question", L"CB_Minimum", L"VL_SUBMIT"};
    DISPID ids[8] = {};
    EXPECT_EQ(m_external.GetIDsOfNames(IID_NULL, const_cast<LPOLESTR*>(names), 8, 0, ids),
              DISP_E_UNKNOWNNAME);
    const DISPID expected[8] = {3, DISPID_UNKNOWN, 1, DISPID_UNKNOWN, 4, 5, 2, DISPID_UNKNOWN};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(ids[i], expected[i]) << i;

    DISPID untouched = 77;
    EXPECT_EQ(m_external.GetIDsOfNames(IID_NULL, nullptr, 0, 0, &untouched), S_OK);
    EXPECT_EQ(untouched, 77);
}

TEST_F(BridgeTest, OnlyIdOneDoesAnything) {
    VARIANT result;
    VariantInit(&result);
    result.vt = VT_I4;
    result.lVal = 1234;
    for (DISPID id : {0, 2, 3, 4, 5, 99, -1}) {
        EXPECT_EQ(m_external.Invoke(id, IID_NULL, 0, DISPATCH_METHOD, nullptr, &result, nullptr,
                                    nullptr),
                  S_OK);
    }
    EXPECT_TRUE(m_callback.calls.empty());
    EXPECT_EQ(m_external.Invoke(1, IID_NULL, 0, DISPATCH_PROPERTYGET, nullptr, &result, nullptr,
                                nullptr),
              S_OK);
    EXPECT_EQ(m_callback.calls, kSubmit);
    EXPECT_EQ(result.vt, VT_I4);
    EXPECT_EQ(result.lVal, 1234);
}

TEST_F(BridgeTest, WithoutCallbackInvokeIsHarmless) {
    CVLMainFrameExternal bare;
    EXPECT_EQ(bare.Invoke(1, IID_NULL, 0, DISPATCH_METHOD, nullptr, nullptr, nullptr, nullptr),
              S_OK);
}

TEST_F(BridgeTest, ReferenceCountingIsANoOpAndInterfacesAreFixed) {
    for (int i = 0; i < 5; ++i) EXPECT_EQ(m_external.AddRef(), 1u);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(m_external.Release(), 1u);

    void* asDispatch = nullptr;
    void* asUnknown = nullptr;
    EXPECT_EQ(m_external.QueryInterface(IID_IDispatch, &asDispatch), S_OK);
    EXPECT_EQ(m_external.QueryInterface(IID_IUnknown, &asUnknown), S_OK);
    EXPECT_EQ(asDispatch, asUnknown);
    EXPECT_EQ(asDispatch, static_cast<IDispatch*>(&m_external));

    void* other = reinterpret_cast<void*>(1);
    EXPECT_EQ(m_external.QueryInterface(IID_IPersist, &other), E_NOINTERFACE);
    EXPECT_EQ(other, nullptr);

    UINT count = 42;
    EXPECT_EQ(m_external.GetTypeInfoCount(&count), E_NOTIMPL);
    EXPECT_EQ(count, 42u);
    ITypeInfo* info = nullptr;
    EXPECT_EQ(m_external.GetTypeInfo(0, 0, &info), E_NOTIMPL);
}

}  // namespace
