// skinview: opens a skin in a skinned window, for skin authors and tests.
//   skinview <skin file> [--folder DIR] [--zip NAME] [--output FILE.png]
// With --output the window is rendered after its layout and first paint into
// a PNG and the program exits; otherwise it runs until the window closes.
#include <windows.h>
#include <ole2.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "skinui/core/Markup.h"
#include "skinui/core/PaintManager.h"
#include "skinui/core/WindowImplBase.h"
#include "tools/common/PngFile.h"

namespace {

using namespace SkinUI;

class SkinViewWindow : public WindowImplBase {
public:
    explicit SkinViewWindow(std::string skin) : m_skin(std::move(skin)) {}
    const char* WindowClassName() const override { return "SkinViewWindow"; }
    CSkinString SkinFolder() override { return CSkinString(); }
    CSkinString SkinFile() override { return CSkinString(m_skin.c_str()); }
    void OnFinalMessage(HWND hwnd) override {
        WindowImplBase::OnFinalMessage(hwnd);
        PostQuitMessage(0);
    }
    LRESULT OnSysCommand(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled) override {
        if (wParam == SC_CLOSE) {
            Close(0);
            return 0;
        }
        return WindowImplBase::OnSysCommand(msg, wParam, lParam, handled);
    }
    LRESULT OnClose(UINT, WPARAM, LPARAM, BOOL& handled) override {
        handled = FALSE;
        DestroyWindow(m_hWnd);
        return 0;
    }

private:
    std::string m_skin;
};

int Usage() {
    fprintf(stderr, "usage: skinview <skin file> [--folder DIR] [--zip NAME] [--output FILE.png]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    const std::string skin = argv[1];
    std::string folder, zip, output;
    for (int i = 2; i < argc; ++i) {
        if (i + 1 >= argc) return Usage();
        const std::string option = argv[i];
        const std::string value = argv[++i];
        if (option == "--folder") folder = value;
        else if (option == "--zip") zip = value;
        else if (option == "--output") output = value;
        else return Usage();
    }

    CPaintManagerUI::SetInstance(GetModuleHandleA(nullptr));
    CPaintManagerUI::SetResourcePath(folder.c_str());
    if (!zip.empty()) CPaintManagerUI::SetResourceZip(zip.c_str(), false);

    // Refuse a broken skin here, with a message, instead of the window's
    // fatal message box.
    CSkinMarkup check;
    if (!check.LoadSkinFile(skin.c_str()) || !check.Root().Exists() || !check.Root().HasChild()) {
        fprintf(stderr, "skinview: cannot load skin \"%s\": %s %s\n", skin.c_str(), check.GetLastErrorMessage(),
                check.GetLastErrorLocation());
        return 1;
    }

    OleInitialize(nullptr);
    SkinViewWindow window(skin);
    if (!window.Create(nullptr, "skinview", WS_POPUP | WS_VISIBLE | WS_SYSMENU, 0)) {
        fprintf(stderr, "skinview: cannot create the window\n");
        return 1;
    }
    window.CenterWindow();
    window.ShowWindow(true, false);
    if (!output.empty()) {
        UpdateWindow(window.GetHWND());
        const bool saved = tools::SaveClientAsPng(window.GetHWND(), output.c_str());
        DestroyWindow(window.GetHWND());
        if (!saved) {
            fprintf(stderr, "skinview: cannot write \"%s\"\n", output.c_str());
            return 1;
        }
        printf("skinview: %s written\n", output.c_str());
        return 0;
    }
    CPaintManagerUI::MessageLoop();
    return 0;
}
