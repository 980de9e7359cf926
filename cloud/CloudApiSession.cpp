// Log in, query the running instance and the image, log out: ZStack JSON
// messages POSTed to the API URL, replies read from their "result" text.
#include "cloud/CloudApiSession.h"

#include <cstring>
#include <utility>

#include "app/AppLog.h"
#include "cloud/JsonText.h"
#include "cloud/PostRequest.h"

namespace {

constexpr const char* kAccountName = "kv0003";
constexpr const char* kPasswordDigest =
    "a1b2c3d4e5f60718293a4b5c6d7e8f900f9e8d7c6b5a49382716f5e4d3c2b1a0"
    "1a2b3c4d5e6f708192a3b4c5d6e7f80990f8e7d6c5b4a3928170f6e5d4c3b2a1";

constexpr size_t kLoginReplyBuffer = 1024;
constexpr size_t kVmReplyBuffer = 4096;
constexpr size_t kImageReplyBuffer = 2048;

constexpr const char* kUuidMarker = "\"uuid\":\"";

Json::Value Condition(const char* name, const char* value) {
    Json::Value condition;
    condition["name"] = name;
    condition["value"] = value;
    condition["op"] = "=";
    return condition;
}

Json::Value SessionQuery(const std::string& sessionUuid,
                         std::initializer_list<std::pair<const char*, const char*>> conditions) {
    Json::Value query;
    query["session"]["uuid"] = sessionUuid;
    query["conditions"] = Json::Value(Json::arrayValue);
    for (const auto& [name, value] : conditions) query["conditions"].append(Condition(name, value));
    return query;
}

std::string Message(const char* member, Json::Value body) {
    Json::Value message;
    message[member] = std::move(body);
    return StyledJson(message);
}

// The reply as a fixed buffer would hold it: at most `bufferSize` - 1 bytes.
bool ReadResult(const std::string& reply, size_t bufferSize, std::string& result) {
    const std::string held = reply.substr(0, bufferSize - 1);
    Json::Value root;
    if (!ParseJson(held.c_str(), root)) return false;
    result = ResultText(root);
    return true;
}

// The text between the end of the first `"uuid":"` and the start of the first
// `endMarker`, by position arithmetic (a missing marker is at -1).
std::string TextAfterUuid(const std::string& text, const char* endMarker) {
    const auto position = [&](const char* marker) {
        const size_t at = text.find(marker);
        return at == std::string::npos ? -1L : static_cast<long>(at);
    };
    const long markerLength = static_cast<long>(strlen(kUuidMarker));
    const long start = position(kUuidMarker) + markerLength;
    const long length = position(endMarker) - position(kUuidMarker) - markerLength;
    if (length < 0 || start >= static_cast<long>(text.size())) return {};
    return text.substr(static_cast<size_t>(start), static_cast<size_t>(length));
}

}  // namespace

CCloudApiSession::CCloudApiSession(CloudEndpoint endpoint) : m_endpoint(std::move(endpoint)) {}

std::string CCloudApiSession::LoginBody() {
    Json::Value login;
    login["accountName"] = kAccountName;
    login["password"] = kPasswordDigest;
    return Message("org.zstack.header.identity.APILogInByAccountMsg", login);
}

std::string CCloudApiSession::QueryRunningVmBody(const std::string& sessionUuid) {
    return Message("org.zstack.header.vm.APIQueryVmInstanceMsg",
                   SessionQuery(sessionUuid, {{"state", "Running"}, {"name", "test"}}));
}

std::string CCloudApiSession::QueryImageBody(const std::string& sessionUuid) {
    return Message("org.zstack.header.image.APIQueryImageMsg",
                   SessionQuery(sessionUuid, {{"format", "qcow2"},
                                              {"type", "zstack"},
                                              {"name", "small-Linux-for-testing"}}));
}

std::string CCloudApiSession::LogoutBody(const std::string& sessionUuid) {
    Json::Value logout;
    logout["sessionUuid"] = sessionUuid;
    return Message("org.zstack.header.identity.APILogOutMsg", logout);
}

std::string CCloudApiSession::Post(const std::string& body) const {
    return PostRequest(body.c_str(), m_endpoint.ApiUrl().c_str(), m_endpoint.host.c_str(), "");
}

void CCloudApiSession::UserLogin() {
    AppLog("enter UserLogin:%s\n", m_endpoint.ApiUrl().c_str());
    const std::string reply = Post(LoginBody());
    AppLog("UserLogin result:%s\n", reply.c_str());

    std::string result;
    if (!ReadResult(reply, kLoginReplyBuffer, result)) return;
    m_sSessionUuid = TextAfterUuid(result, "\",\"accountUuid\"");
    AppLog("Login uuid:%s\n", m_sSessionUuid.c_str());
}

bool CCloudApiSession::QueryRunningVm() {
    const std::string body = QueryRunningVmBody(m_sSessionUuid);
    AppLog("GetMirroringList sPostString:%s\n", body.c_str());
    const std::string reply = Post(body);
    AppLog("GetMirroringList result:%s\n", reply.c_str());

    std::string result;
    if (!ReadResult(reply, kVmReplyBuffer, result)) return false;
    return result.find("state\":\"Running") != std::string::npos;
}

void CCloudApiSession::GetMirroringList() {
    const std::string body = QueryImageBody(m_sSessionUuid);
    AppLog("GetMirroringList sPostString:%s\n", body.c_str());
    const std::string reply = Post(body);
    AppLog("GetMirroringList result:%s\n", reply.c_str());

    std::string result;
    if (!ReadResult(reply, kImageReplyBuffer, result)) return;
    AppLog("GetMirroringList uuid:%s\n", TextAfterUuid(result, "\",\"name\"").c_str());
}

void CCloudApiSession::UserLogout() {
    const std::string body = LogoutBody(m_sSessionUuid);
    AppLog("UserLogout sPostString:%s\n", body.c_str());
    const std::string reply = Post(body);
    AppLog("UserLogout sContent:%s\n", reply.c_str());
}
