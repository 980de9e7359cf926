// Scenarios that need a process of their own (process-wide, once-only state
// such as the log switches) run in a child copy of the test program.
#pragma once

#include <functional>
#include <string>

#include "skinui/core/UniqueHandle.h"

namespace testsupport {

using ChildScenario = std::function<int()>;

// Registers `scenario` under `name`; use at namespace scope through a static.
bool RegisterChildScenario(const std::string& name, ChildScenario scenario);

// Runs `name` in a new process of this program, in `workingDir` (empty: the
// current one). Returns its exit code, or -1 when it could not run or had to
// be killed after `timeoutMs`.
int RunChildScenario(const std::string& name, const std::string& workingDir = {},
                     unsigned timeoutMs = 30000);

// A scenario started without waiting for it.
class RunningChild {
public:
    explicit RunningChild(const std::string& name, const std::string& workingDir = {});
    ~RunningChild();
    RunningChild(const RunningChild&) = delete;
    RunningChild& operator=(const RunningChild&) = delete;
    bool Started() const { return static_cast<bool>(m_process); }
    // The exit code, or -1 when it did not end in time (it is then killed).
    int Wait(unsigned timeoutMs);

private:
    SkinUI::UniqueHandle<SkinUI::KernelHandleTraits> m_process;
};

// Called by main: runs the scenario named on the command line, if any.
bool RunRequestedScenario(int argc, char** argv, int& exitCode);

}  // namespace testsupport
