// A window with a white root container for leaf-control tests: controls are
// placed by their "float"/"pos" attributes, notifications are logged, and
// pixels of a rectangle can be counted by colour.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "skinui/control/Container.h"
#include "tests/support/ContainerHelpers.h"
#include "tests/support/TestWindow.h"

namespace testsupport {

// Every control notification as "type" (and the sender, the parameters) in
// order; the window's own "windowinit" and the focus changes are left out.
class NotifyLog : public SkinUI::INotifyUI {
public:
    void Notify(SkinUI::TNotifyUI& msg) override {
        if (msg.sType == "windowinit" || msg.sType == "setfocus" || msg.sType == "killfocus") return;
        types.push_back(msg.sType.GetData());
        senders.push_back(msg.pSender);
        wParams.push_back(msg.wParam);
    }
    std::string Joined() const {
        std::string all;
        for (const std::string& type : types) all += (all.empty() ? "" : " ") + type;
        return all;
    }
    void Clear() {
        types.clear();
        senders.clear();
        wParams.clear();
    }
    std::vector<std::string> types;
    std::vector<SkinUI::CControlUI*> senders;
    std::vector<WPARAM> wParams;
};

class ControlHarness {
public:
    explicit ControlHarness(int width = 300, int height = 200) : window(width, height) {
        window.Manager().AddNotifyTarget(&log);
        root = MakeControl<SkinUI::CContainerUI>("bkcolor=\"#FFFFFFFF\"");
        window.Manager().AttachRoot(root);
    }
    ~ControlHarness() { window.Manager().RemoveNotifyTarget(&log); }

    // A control of type T, made as a skin would make it (attributes applied
    // while attached), added to the root.
    template <typename T>
    T* Add(const char* attributes) {
        T* control = new T;
        control->SetManager(&window.Manager(), nullptr, false);
        control->ApplyAttributes(attributes);
        root->Add(control);
        return control;
    }

    void Send(UINT msg, int x, int y, WPARAM wParam = 0) {
        SendMessageA(window.Handle(), msg, wParam, PointParam(x, y));
    }
    void Click(int x, int y) {
        Send(WM_LBUTTONDOWN, x, y, MK_LBUTTON);
        Send(WM_LBUTTONUP, x, y);
    }
    void Key(WPARAM key) { SendMessageA(window.Handle(), WM_KEYDOWN, key, 0); }
    // Wheel at a client point; `delta` > 0 is away from the user.
    void Wheel(int x, int y, int delta) {
        POINT pt = {x, y};
        ClientToScreen(window.Handle(), &pt);
        SendMessageA(window.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(static_cast<short>(delta))),
                     PointParam(pt.x, pt.y));
    }

    // Pixels of `rc` (0xRRGGBB) that satisfy `match`, after a fresh paint.
    int Count(const RECT& rc, const std::function<bool(uint32_t)>& match) {
        window.Paint();
        int w = 0, h = 0;
        const std::vector<uint32_t> pixels = window.Capture(w, h);
        int count = 0;
        for (int y = rc.top; y < rc.bottom && y < h; ++y)
            for (int x = rc.left; x < rc.right && x < w; ++x)
                if (match(pixels[static_cast<size_t>(y) * w + x])) ++count;
        return count;
    }

    TestWindow window;
    NotifyLog log;
    SkinUI::CContainerUI* root = nullptr;
};

inline int Red(uint32_t px) { return (px >> 16) & 0xFF; }
inline int Green(uint32_t px) { return (px >> 8) & 0xFF; }
inline int Blue(uint32_t px) { return px & 0xFF; }

}  // namespace testsupport
