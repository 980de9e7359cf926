// Runs JScript through the system's script engine with one object visible to
// the script under a name, the way a page sees window.external.
#pragma once

#include <oaidl.h>

#include <string>
#include <vector>

namespace testsupport {

struct ScriptRun {
    bool started = false;                  // the engine was created and connected
    HRESULT parseResult = E_FAIL;          // ParseScriptText's answer
    std::vector<std::wstring> errors;      // descriptions passed to OnScriptError
};

ScriptRun RunJScript(const std::wstring& code, const std::wstring& itemName, IDispatch* item);

}  // namespace testsupport
