// Child scenario registry and runner.
#include "tests/support/ChildProcess.h"

#include <windows.h>

#include <cstring>
#include <map>

#include "skinui/core/UniqueHandle.h"

namespace testsupport {
namespace {

constexpr const char* kChildSwitch = "--child-scenario";

std::map<std::string, ChildScenario>& Scenarios() {
    static std::map<std::string, ChildScenario> scenarios;
    return scenarios;
}

}  // namespace

bool RegisterChildScenario(const std::string& name, ChildScenario scenario) {
    Scenarios()[name] = std::move(scenario);
    return true;
}

int RunChildScenario(const std::string& name, const std::string& workingDir, unsigned timeoutMs) {
    RunningChild child(name, workingDir);
    return child.Wait(timeoutMs);
}

RunningChild::RunningChild(const std::string& name, const std::string& workingDir) {
    char program[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string commandLine = std::string("\"") + program + "\" " + kChildSwitch + " " + name;
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingDir.empty() ? nullptr : workingDir.c_str(), &startup, &info))
        return;
    SkinUI::ThreadHandle thread(info.hThread);
    m_process.reset(info.hProcess);
}

RunningChild::~RunningChild() {
    if (m_process && WaitForSingleObject(m_process.get(), 0) != WAIT_OBJECT_0) TerminateProcess(m_process.get(), 99);
}

int RunningChild::Wait(unsigned timeoutMs) {
    if (!m_process) return -1;
    if (WaitForSingleObject(m_process.get(), timeoutMs) != WAIT_OBJECT_0) {
        TerminateProcess(m_process.get(), 99);
        WaitForSingleObject(m_process.get(), 5000);
        return -1;
    }
    DWORD exitCode = 0;
    GetExitCodeProcess(m_process.get(), &exitCode);
    return static_cast<int>(exitCode);
}

bool RunRequestedScenario(int argc, char** argv, int& exitCode) {
    if (argc < 3 || strcmp(argv[1], kChildSwitch) != 0) return false;
    const auto found = Scenarios().find(argv[2]);
    exitCode = found == Scenarios().end() ? 98 : found->second();
    return true;
}

}  // namespace testsupport
