// What the scripting bridge calls on the main window.
#pragma once

class CVLMainDlgExternalCallback {
public:
    virtual void NoOperation() = 0;
    virtual void GetMirroringList() = 0;
    virtual void UserLogin() = 0;
    virtual void UserLogout() = 0;
    // True when a running instance was found.
    virtual bool QueryRunningVm() = 0;

protected:
    ~CVLMainDlgExternalCallback() = default;
};
