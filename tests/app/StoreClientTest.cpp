// The store client as a user starts it: a copy of the program in a folder of
// its own, the skin only in the zip, its window centred, and each way out
// ending the process with exit value 0.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>

#include "app/LumoApp.h"
#include "skinui/core/UniqueHandle.h"
#include "tests/support/Files.h"

namespace {

using SkinUI::KernelHandleTraits;
using SkinUI::UniqueHandle;

std::string ProgramFolder() {
    char program[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string folder(program);
    folder.resize(folder.rfind('\\'));
    return folder;
}

const std::string kBuilt = ProgramFolder() + "\\..\\..\\bin\\";

// The program installed into a temporary folder, started, and its window.
class InstalledStore {
public:
    InstalledStore() {
        const std::string skins = m_folder.Path() + "\\skins";
        CreateDirectoryA(skins.c_str(), nullptr);
        m_ready = CopyFileA((kBuilt + "TaviAppStore.exe").c_str(), m_folder.File("TaviAppStore.exe").c_str(), FALSE) &&
                  CopyFileA((kBuilt + "SkinUI.dll").c_str(), m_folder.File("SkinUI.dll").c_str(), FALSE) &&
                  CopyFileA((kBuilt + "skins\\skin.zip").c_str(), (skins + "\\skin.zip").c_str(), FALSE) &&
                  testsupport::WriteWholeFile(m_folder.File("UrlConfig.ini"),
                                              "[URL]\r\nHomePage=about:blank\r\nSearchPage=about:blank\r\n");
    }
    ~InstalledStore() {
        if (m_process) {
            TerminateProcess(m_process.get(), 99);
            WaitForSingleObject(m_process.get(), 5000);
        }
        m_process.reset();
        for (const char* name : {"TaviAppStore.exe", "SkinUI.dll", "UrlConfig.ini", "skins\\skin.zip"})
            DeleteFileA(m_folder.File(name).c_str());
        RemoveDirectoryA((m_folder.Path() + "\\skins").c_str());
    }

    // Starts the program from another folder and waits for its visible window.
    HWND Start() {
        if (!m_ready) return nullptr;
        std::string command = "\"" + m_folder.File("TaviAppStore.exe") + "\"";
        STARTUPINFOA startup = {};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION info = {};
        if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, ProgramFolder().c_str(),
                            &startup, &info))
            return nullptr;
        m_process.reset(info.hProcess);
        CloseHandle(info.hThread);
        m_processId = info.dwProcessId;
        for (int i = 0; i < 300; ++i) {
            if (HWND hwnd = FindWindowOfProcess()) {
                // Centred and shown: the program waits in its message loop.
                WaitForInputIdle(m_process.get(), 10000);
                return hwnd;
            }
            if (WaitForSingleObject(m_process.get(), 100) == WAIT_OBJECT_0) break;
        }
        return nullptr;
    }

    // The exit code, or -1 when the program did not end in time.
    int WaitForExit(DWORD timeoutMs = 15000) {
        if (WaitForSingleObject(m_process.get(), timeoutMs) != WAIT_OBJECT_0) return -1;
        DWORD code = 0;
        GetExitCodeProcess(m_process.get(), &code);
        m_process.reset();
        return static_cast<int>(code);
    }

private:
    HWND FindWindowOfProcess() const {
        for (HWND hwnd = FindWindowA("LumoMainFrame", nullptr); hwnd;
             hwnd = FindWindowExA(nullptr, hwnd, "LumoMainFrame", nullptr)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(hwnd, &owner);
            if (owner == m_processId && IsWindowVisible(hwnd)) return hwnd;
        }
        return nullptr;
    }

    testsupport::TempFolder m_folder;
    bool m_ready = false;
    UniqueHandle<KernelHandleTraits> m_process;
    DWORD m_processId = 0;
};

enum class EndBy { CloseButton, AltF4, PrivateMessage };

std::string EndByName(const testing::TestParamInfo<EndBy>& info) {
    const char* names[] = {"CloseButton", "AltF4", "PrivateMessage"};
    return names[static_cast<int>(info.param)];
}

class StoreClientTest : public testing::TestWithParam<EndBy> {};

TEST_P(StoreClientTest, OpensCentredFromTheZipAndEndsWithZero) {
    InstalledStore store;
    HWND hwnd = store.Start();
    ASSERT_TRUE(hwnd) << "no store window";

    char title[64] = {};
    GetWindowTextA(hwnd, title, sizeof(title));
    EXPECT_STREQ(title, "Tavi应用商店");
    RECT window, work;
    GetWindowRect(hwnd, &window);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(window.right - window.left, 1100);
    EXPECT_EQ(window.bottom - window.top, 720);
    EXPECT_LE(std::abs((window.left + window.right) - (work.left + work.right)), 2);
    EXPECT_LE(std::abs((window.top + window.bottom) - (work.top + work.bottom)), 2);

    switch (GetParam()) {
        case EndBy::CloseButton: {
            // Laid out at its first paint, which waits behind posted input.
            UpdateWindow(hwnd);
            // The close button sits at the right end of the title bar.
            const LPARAM at = MAKELPARAM((window.right - window.left) - 28, 16);
            PostMessageA(hwnd, WM_MOUSEMOVE, 0, at);
            PostMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
            PostMessageA(hwnd, WM_LBUTTONUP, 0, at);
            break;
        }
        case EndBy::AltF4: PostMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0); break;
        case EndBy::PrivateMessage: PostMessageA(hwnd, 0x802, 0, 0); break;
    }
    EXPECT_EQ(store.WaitForExit(), 0);
}

INSTANTIATE_TEST_SUITE_P(Ways, StoreClientTest,
                         testing::Values(EndBy::CloseButton, EndBy::AltF4, EndBy::PrivateMessage),
                         EndByName);

TEST(LoadProgramDirTest, KeepsTheFinalBackslash) {
    CLumoApp app;
    LoadProgramDir(&app);
    EXPECT_EQ(std::string(SkinFolderPath()), ProgramFolder() + "\\");
    EXPECT_STREQ(SkinArchiveName(), "skin.zip");
}

}  // namespace
