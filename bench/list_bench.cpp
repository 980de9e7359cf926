// List responsiveness: selecting an item far away (with the scroll that
// brings it into view) and a full repaint, for a list of 10,000 rows against
// the same list with 100 rows, side by side in rounds in one real window.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "skinui/control/List.h"
#include "skinui/control/ListLabelElement.h"
#include "skinui/core/PaintManager.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace SkinUI;

constexpr int kRounds = 9;
constexpr int kSelectsPerRound = 200;
constexpr int kPaintsPerRound = 50;
constexpr int kLayoutsPerRound = 10;

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* manager = reinterpret_cast<CPaintManagerUI*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    LRESULT result = 0;
    if (manager && manager->HandleWindowMessage(msg, wParam, lParam, result)) return result;
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

// A shown 400x300 window whose whole client area is one list of `rows` rows.
class ListWindow {
public:
    explicit ListWindow(int rows) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = WindowProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "ListBenchWindow";
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        RegisterClassA(&wc);
        m_hwnd = CreateWindowExA(0, "ListBenchWindow", "", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr,
                                 wc.hInstance, nullptr);
        SetWindowLongPtrA(m_hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&m_manager));
        m_manager.AttachWindow(m_hwnd);
        list = new CListUI;
        list->SetAttribute("header", "hidden");
        list->SetAttribute("itemlinecolor", "#FFDDDDDD");
        list->SetBkColor(0xFFFFFFFF);
        for (int i = 0; i < rows; ++i) {
            auto* item = new CListLabelElementUI;
            item->SetText(("row " + std::to_string(i) + " of the list").c_str());
            list->Add(item);
        }
        m_manager.AttachRoot(list);
        ShowWindow(m_hwnd, SW_SHOWNOACTIVATE);
        UpdateWindow(m_hwnd);
        Pump();
    }
    ~ListWindow() {
        DestroyWindow(m_hwnd);
        Pump();
    }
    void Repaint() {
        InvalidateRect(m_hwnd, nullptr, FALSE);
        UpdateWindow(m_hwnd);
    }
    void Pump() {
        MSG msg;
        for (int i = 0; i < 1000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }

    CListUI* list = nullptr;

private:
    HWND m_hwnd = nullptr;
    CPaintManagerUI m_manager;
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

template <typename Fn>
double Microseconds(int count, Fn&& fn) {
    const auto start = Clock::now();
    for (int i = 0; i < count; ++i) fn(i);
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count() / count;
}

struct Figures {
    std::vector<double> select;
    std::vector<double> paint;
    std::vector<double> layout;
};

// Selects alternately near the top and near the bottom, so every selection
// scrolls; the resulting paint is part of what a user waits for.
void Round(ListWindow& window, Figures& figures) {
    const int count = window.list->GetCount();
    figures.select.push_back(Microseconds(kSelectsPerRound, [&](int i) {
        const int target = (i % 2 == 0) ? count - 1 - (i % 7) : (i % 7);
        window.list->SelectItem(target);
        window.Repaint();
    }));
    figures.paint.push_back(Microseconds(kPaintsPerRound, [&](int) { window.Repaint(); }));
    // What a column drag costs per mouse move: every row is placed again.
    figures.layout.push_back(Microseconds(kLayoutsPerRound, [&](int) { window.list->SetPos(window.list->GetPos()); }));
}

}  // namespace

int main() {
    CPaintManagerUI::SetInstance(GetModuleHandleA(nullptr));
    ListWindow small(100);
    ListWindow large(10000);
    Figures smallFigures, largeFigures;
    Round(small, smallFigures);  // warm-up
    Round(large, largeFigures);
    smallFigures = {};
    largeFigures = {};
    for (int round = 0; round < kRounds; ++round) {
        Round(small, smallFigures);
        Round(large, largeFigures);
    }
    if (small.list->GetCurSel() < 0 || large.list->GetCurSel() < 0) {
        fprintf(stderr, "nothing was selected\n");
        return 1;
    }
    const double smallSelect = Median(smallFigures.select), largeSelect = Median(largeFigures.select);
    const double smallPaint = Median(smallFigures.paint), largePaint = Median(largeFigures.paint);
    printf("list of 400x300, %d rounds; median microseconds per operation\n", kRounds);
    printf("%-44s %10s %10s %8s\n", "", "100 rows", "10000 rows", "ratio");
    printf("%-44s %10.1f %10.1f %8.2f\n", "select far item, scroll into view, paint", smallSelect, largeSelect,
           largeSelect / smallSelect);
    printf("%-44s %10.1f %10.1f %8.2f\n", "full repaint", smallPaint, largePaint, largePaint / smallPaint);
    printf("target: ratio <= 2.00 for both\n");
    printf("%-44s %10.1f %10.1f %8.2f  (no target: grows with the rows)\n", "relayout of all rows (column drag)",
           Median(smallFigures.layout), Median(largeFigures.layout),
           Median(largeFigures.layout) / Median(smallFigures.layout));
    return 0;
}
