// Scenarios that need a process of their own (process-wide, once-only state
// such as the log switches) run in a child copy of the test program.
#pragma once

#include <functional>
#include <string>

namespace testsupport {

using ChildScenario = std::function<int()>;

// Registers `scenario` under `name`; use at namespace scope through a static.
bool RegisterChildScenario(const std::string& name, ChildScenario scenario);

// Runs `name` in a new process of this program, in `workingDir` (empty: the
// current one). Returns its exit code, or -1 when it could not run or had to
// be killed after `timeoutMs`.
int RunChildScenario(const std::string& name, const std::string& workingDir = {},
                     unsigned timeoutMs = 30000);

// Called by main: runs the scenario named on the command line, if any.
bool RunRequestedScenario(int argc, char** argv, int& exitCode);

}  // namespace testsupport
