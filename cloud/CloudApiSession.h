// The four cloud operations behind the main window's callback interface,
// with the session id they share.
#pragma once

#include <string>

#include "cloud/CloudEndpoint.h"
#include "mainwindow/VLMainDlgExternalCallback.h"

class CCloudApiSession : public CVLMainDlgExternalCallback {
public:
    explicit CCloudApiSession(CloudEndpoint endpoint = CloudEndpoint::FromProgramConfig());

    void NoOperation() override {}
    void GetMirroringList() override;
    void UserLogin() override;
    void UserLogout() override;
    bool QueryRunningVm() override;

    const std::string& SessionUuid() const { return m_sSessionUuid; }
    const CloudEndpoint& Endpoint() const { return m_endpoint; }

    // The message bodies, exactly as sent.
    static std::string LoginBody();
    static std::string QueryRunningVmBody(const std::string& sessionUuid);
    static std::string QueryImageBody(const std::string& sessionUuid);
    static std::string LogoutBody(const std::string& sessionUuid);

protected:
    std::string m_sSessionUuid;

private:
    std::string Post(const std::string& body) const;

    CloudEndpoint m_endpoint;
};
