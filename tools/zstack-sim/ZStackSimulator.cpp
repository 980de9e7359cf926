// The simulator's answers. Reply texts keep ZStack's member order (an
// inventory's "uuid" first), which clients read by plain string search.
#include "tools/zstack-sim/ZStackSimulator.h"

#include <json/reader.h>
#include <json/writer.h>

#include <cstdio>
#include <memory>

#include "tools/zstack-sim/StorePages.h"

namespace {

// The outer reply: {"state":"Done","result":"<reply JSON as text>"}.
std::string DoneReply(const std::string& result) {
    Json::Value reply;
    reply["state"] = "Done";
    reply["result"] = result;
    Json::StreamWriterBuilder builder;
    builder["indentation"] = "";
    return Json::writeString(builder, reply);
}

std::string ErrorResult(const char* replyClass, const char* code, const char* description) {
    return std::string("{\"") + replyClass + "\":{\"success\":false,\"error\":{\"code\":\"" + code +
           "\",\"description\":\"" + description + "\"}}}";
}

bool ParseBody(const std::string& body, Json::Value& root) {
    Json::CharReaderBuilder builder;
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    std::string errors;
    return reader->parse(body.data(), body.data() + body.size(), &root, &errors) &&
           root.isObject();
}

bool HasCondition(const Json::Value& conditions, const char* name, const char* value) {
    if (!conditions.isArray()) return false;
    for (const Json::Value& condition : conditions) {
        if (condition.isObject() && condition["name"] == name && condition["value"] == value &&
            condition["op"] == "=")
            return true;
    }
    return false;
}

}  // namespace

ZStackSimulator::ZStackSimulator(Options options)
    : m_mode(options.mode), m_vmRunning(options.vmRunning) {
    m_server = std::make_unique<LoopbackHttpServer>(
        [this](const SeenRequest& request) { return Answer(request); }, options.port,
        options.lifetime);
}

std::string ZStackSimulator::IssuedSession() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_session;
}

bool ZStackSimulator::ParseMode(const std::string& name, Mode& mode) {
    static const std::pair<const char*, Mode> kModes[] = {
        {"normal", Mode::Normal},   {"status500", Mode::Status500}, {"silent", Mode::Silent},
        {"close", Mode::CloseAtOnce}, {"garbage", Mode::Garbage},   {"huge", Mode::HugeBody},
        {"slow", Mode::Slow},
    };
    for (const auto& [text, value] : kModes) {
        if (name == text) {
            mode = value;
            return true;
        }
    }
    return false;
}

ServerReply ZStackSimulator::Answer(const SeenRequest& request) {
    // The pages keep working while the API is told to misbehave.
    if (IsStorePageRequest(request)) return StorePage(request);
    switch (m_mode.load()) {
        case Mode::Status500:
            return ServerReply::Status(500, "{\"error\":\"internal error\"}");
        case Mode::Silent:
            return ServerReply::Silence();
        case Mode::CloseAtOnce:
            return ServerReply::CloseNow();
        case Mode::Garbage: {
            std::string junk;
            for (int i = 0; i < 4096; ++i) junk += static_cast<char>((i * 7919 + 13) & 0xFF);
            return ServerReply::Status(200, junk, "application/octet-stream");
        }
        case Mode::HugeBody:
            return ServerReply::Status(200, DoneReply(std::string(kHugeBodyBytes, 'x')));
        case Mode::Normal:
        case Mode::Slow:
            break;
    }
    if (request.method != "POST" || request.target != "/zstack/api")
        return ServerReply::Status(404, "{\"error\":\"not found\"}");

    int status = 200;
    const std::string body = Dispatch(request.body, status);
    ServerReply reply = ServerReply::Status(status, body);
    if (m_mode.load() == Mode::Slow) reply.byteDelayMs = 2;
    return reply;
}

std::string ZStackSimulator::Dispatch(const std::string& body, int& status) {
    Json::Value root;
    if (!ParseBody(body, root) || root.size() != 1) {
        status = 400;
        return "{\"error\":\"a message is one JSON object with one member\"}";
    }
    const std::string name = root.getMemberNames().front();
    const Json::Value& message = root[name];

    std::lock_guard<std::mutex> lock(m_mutex);
    if (name == "org.zstack.header.identity.APILogInByAccountMsg") {
        const char* replyClass = "org.zstack.header.identity.APILogInReply";
        if (message["accountName"] != kAccountName || message["password"] != kPasswordDigest)
            return DoneReply(ErrorResult(replyClass, "ID.1001", "wrong account name or password"));
        char session[40];
        snprintf(session, sizeof(session), "5e55%028x", ++m_sessionCounter);
        m_session = session;
        return DoneReply(std::string("{\"") + replyClass + "\":{\"inventory\":{\"uuid\":\"" +
                         m_session + "\",\"accountUuid\":\"" + kAccountUuid +
                         "\",\"userUuid\":\"" + kAccountUuid +
                         "\",\"expiredDate\":\"Dec 11, 2026 8:00:00 PM\"},\"success\":true}}");
    }

    const bool validSession = !m_session.empty() && message["session"]["uuid"] == m_session;
    if (name == "org.zstack.header.vm.APIQueryVmInstanceMsg") {
        const char* replyClass = "org.zstack.header.vm.APIQueryVmInstanceReply";
        if (!validSession) return DoneReply(ErrorResult(replyClass, "ID.1002", "Session expired"));
        const Json::Value& conditions = message["conditions"];
        const bool wantsRunningTest =
            HasCondition(conditions, "state", "Running") && HasCondition(conditions, "name", "test");
        std::string inventories;
        if (wantsRunningTest && m_vmRunning.load())
            inventories = "{\"uuid\":\"9d1c4a2b3e5f46789abcdef012345678\",\"name\":\"test\","
                          "\"state\":\"Running\",\"type\":\"UserVm\"}";
        return DoneReply(std::string("{\"") + replyClass + "\":{\"inventories\":[" + inventories +
                         "],\"success\":true}}");
    }
    if (name == "org.zstack.header.image.APIQueryImageMsg") {
        const char* replyClass = "org.zstack.header.image.APIQueryImageReply";
        if (!validSession) return DoneReply(ErrorResult(replyClass, "ID.1002", "Session expired"));
        return DoneReply(std::string("{\"") + replyClass + "\":{\"inventories\":[{\"uuid\":\"" +
                         kImageUuid + "\",\"name\":\"small-Linux-for-testing\",\"format\":"
                         "\"qcow2\",\"type\":\"zstack\"}],\"success\":true}}");
    }
    if (name == "org.zstack.header.identity.APILogOutMsg") {
        const char* replyClass = "org.zstack.header.identity.APILogOutReply";
        if (message["sessionUuid"] == m_session && !m_session.empty()) m_session.clear();
        return DoneReply(std::string("{\"") + replyClass + "\":{\"success\":true}}");
    }
    status = 400;
    return "{\"error\":\"unknown message " + name + "\"}";
}
