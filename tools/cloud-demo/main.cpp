// cloud-demo: runs the store client's cloud session once (log in, ask for the
// running instance, look up the image, log out) and prints what happened.
// The server address comes from "UrlConfig.ini" beside the program, section
// "Cloud" (default 127.0.0.1:8080).
#include <cstdio>

#include "cloud/CloudApiSession.h"
#include "cloud/PostRequest.h"

int main() {
    CCloudApiSession session;
    printf("cloud server: %s\n", session.Endpoint().ApiUrl().c_str());

    session.UserLogin();
    if (session.SessionUuid().empty()) {
        printf("login: failed (last transport error %d)\n", int(PostRequestLastError()));
        return 1;
    }
    printf("login: session %s\n", session.SessionUuid().c_str());

    const bool running = session.QueryRunningVm();
    printf("instance \"test\" running: %s\n", running ? "yes" : "no");

    session.GetMirroringList();
    printf("image query: sent\n");

    session.UserLogout();
    printf("logout: sent\n");
    return 0;
}
