// A window of many controls: the toolkit's one window against the same UI
// made of native child windows, side by side in rounds. Also the toolkit's
// scaling from 200 to 20,000 controls, a full repaint of a 1280x800 window
// against one BitBlt of its back buffer, and a one-button repaint against
// the full repaint.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "bench/BenchStats.h"
#include "skinui/control/Control.h"
#include "skinui/core/GdiHandles.h"
#include "skinui/core/PaintManager.h"
#include "skinui/core/SkinBuilder.h"

namespace {

using namespace SkinUI;
using Clock = std::chrono::steady_clock;

constexpr int kWidth = 1280;
constexpr int kHeight = 800;
constexpr int kPerRow = 10;
constexpr int kRowHeight = 24;
constexpr int kRounds = 5;
constexpr int kScalingRounds = 9;
constexpr int kRepaints = 150;

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Bytes in use in every heap of the process: what the program's own objects
// take, without the slack of pages a heap has committed ahead.
double HeapInUseMb() {
    HANDLE heaps[64];
    const DWORD count = GetProcessHeaps(64, heaps);
    size_t total = 0;
    for (DWORD i = 0; i < count && i < 64; ++i) {
        if (!HeapLock(heaps[i])) continue;
        PROCESS_HEAP_ENTRY entry = {};
        while (HeapWalk(heaps[i], &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) total += entry.cbData;
        HeapUnlock(heaps[i]);
    }
    return static_cast<double>(total) / (1024.0 * 1024.0);
}

// A Linux process's status file, found by name under Z:\proc. Wine opens
// "/proc/self" on behalf of the server, so the process finds itself as the
// youngest one running this program (the benchmark's parent started first).
std::string OwnStatusPath() {
    char program[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string name = program;
    name = name.substr(name.find_last_of('\\') + 1).substr(0, 15);  // the kernel keeps 15 characters
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA("Z:\\proc\\*", &found);
    if (search == INVALID_HANDLE_VALUE) return {};
    std::string best;
    unsigned long long bestStart = 0;
    do {
        if (found.cFileName[0] < '0' || found.cFileName[0] > '9') continue;
        const std::string dir = std::string("Z:\\proc\\") + found.cFileName;
        FILE* stat = fopen((dir + "\\stat").c_str(), "r");
        if (!stat) continue;
        char line[1024] = {};
        const bool read = fgets(line, sizeof(line), stat) != nullptr;
        fclose(stat);
        const char* open = strchr(line, '(');
        const char* close = strrchr(line, ')');
        if (!read || !open || !close || std::string(open + 1, close) != name) continue;
        // Field 22 is the start time; fields from 3 on follow the name.
        unsigned long long start = 0;
        const char* field = close + 2;
        for (int i = 3; i < 22 && field; ++i) field = strchr(field, ' ') ? strchr(field, ' ') + 1 : nullptr;
        if (field) start = strtoull(field, nullptr, 10);
        if (best.empty() || start >= bestStart) best = dir + "\\status", bestStart = start;
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return best;
}

// Anonymous resident memory of this process as Linux counts it: under Wine
// the window manager keeps each native window's data in its own Unix-side
// heap, outside the Windows heaps.
double ResidentAnonMb() {
    static const std::string path = OwnStatusPath();
    double mb = 0;
    if (FILE* status = path.empty() ? nullptr : fopen(path.c_str(), "r")) {
        char line[256];
        while (fgets(line, sizeof(line), status)) {
            long kb = 0;
            if (sscanf(line, "RssAnon: %ld kB", &kb) == 1) mb = kb / 1024.0;
        }
        fclose(status);
    }
    return mb;
}

// The window and all its descendants.
int CountWindows(HWND top) {
    int count = 1;
    EnumChildWindows(
        top, [](HWND, LPARAM param) -> BOOL { return ++*reinterpret_cast<int*>(param), TRUE; },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

// Resident memory of the Wine server, which holds every window's data (on
// Windows the system keeps it outside the process too). 0 when not on Wine.
double ServerMb() {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA("Z:\\proc\\*", &found);
    if (search == INVALID_HANDLE_VALUE) return 0;
    double mb = 0;
    do {
        if (found.cFileName[0] < '0' || found.cFileName[0] > '9') continue;
        const std::string dir = std::string("Z:\\proc\\") + found.cFileName;
        char name[64] = {};
        if (FILE* comm = fopen((dir + "\\comm").c_str(), "r")) {
            if (!fgets(name, sizeof(name), comm)) name[0] = 0;
            fclose(comm);
        }
        if (strncmp(name, "wineserver", 10) != 0) continue;
        if (FILE* status = fopen((dir + "\\status").c_str(), "r")) {
            char line[256];
            while (fgets(line, sizeof(line), status)) {
                long kb = 0;
                if (sscanf(line, "VmRSS: %ld kB", &kb) == 1) mb += kb / 1024.0;
            }
            fclose(status);
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return mb;
}

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

// Rows of labels, buttons and options, ten rows to a group, in nested layouts.
std::string SkinOf(int controls) {
    std::string out = "<Window size=\"1280,800\"><VerticalLayout bkcolor=\"#FFF4F6FA\" vscrollbar=\"false\">";
    int made = 0;
    for (int group = 0; made < controls; ++group) {
        out += "<VerticalLayout height=\"" + std::to_string(10 * kRowHeight) + "\" inset=\"4,0,4,0\">";
        for (int row = 0; row < 10 && made < controls; ++row) {
            out += "<HorizontalLayout height=\"" + std::to_string(kRowHeight) + "\" childpadding=\"4\">";
            for (int col = 0; col < kPerRow && made < controls; ++col, ++made) {
                const std::string number = std::to_string(made);
                switch (made % 3) {
                    case 0: out += "<Label width=\"120\" text=\"Label " + number + "\" />"; break;
                    case 1:
                        out += "<Button name=\"b" + number + "\" width=\"120\" text=\"Button " + number +
                               "\" bkcolor=\"#FFE0E6F0\" hotbkcolor=\"#FFC8D8F0\" />";
                        break;
                    default:
                        out += "<Option width=\"120\" group=\"g" + std::to_string(group) + "\" text=\"Option " +
                               number + "\" />";
                        break;
                }
            }
            out += "</HorizontalLayout>";
        }
        out += "</VerticalLayout>";
    }
    return out + "</VerticalLayout></Window>";
}

LRESULT CALLBACK SkinWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* manager = reinterpret_cast<CPaintManagerUI*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    LRESULT result = 0;
    if (manager && manager->HandleWindowMessage(msg, wParam, lParam, result)) return result;
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

HWND MakeTopWindow(const char* className, WNDPROC proc) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = className;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    RegisterClassA(&wc);
    return CreateWindowExA(0, className, "bench", WS_POPUP | WS_VISIBLE, 0, 0, kWidth, kHeight, nullptr, nullptr,
                           wc.hInstance, nullptr);
}

// The toolkit's window: built, laid out and painted once.
struct SkinWindow {
    HWND hwnd = nullptr;
    CPaintManagerUI manager;

    explicit SkinWindow(const std::string& skin) {
        hwnd = MakeTopWindow("BenchSkinWindow", SkinWindowProc);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&manager));
        manager.AttachWindow(hwnd);
        const auto t0 = Clock::now();
        CSkinBuilder builder;
        CControlUI* root = builder.Build(skin.c_str(), nullptr, nullptr, &manager);
        const auto t1 = Clock::now();
        manager.AttachRoot(root);
        const auto t2 = Clock::now();
        UpdateWindow(hwnd);
        GdiFlush();
        if (getenv("BENCH_SPLIT"))
            fprintf(stderr, "build %.1f attach %.1f paint %.1f\n", std::chrono::duration<double, std::milli>(t1 - t0).count(),
                    std::chrono::duration<double, std::milli>(t2 - t1).count(), MsSince(t2));
    }
    ~SkinWindow() {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        DestroyWindow(hwnd);
    }
};

// A window whose paint only copies a kept buffer: what one repaint costs the
// platform itself (messages, update region, the copy).
HDC g_bareBuffer = nullptr;

LRESULT CALLBACK BarePaintProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        BitBlt(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
               ps.rcPaint.bottom - ps.rcPaint.top, g_bareBuffer, ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK NativeWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

// The same grid of native controls: statics, push buttons and radio buttons.
struct NativeWindow {
    HWND hwnd = nullptr;
    FontHandle font;

    explicit NativeWindow(int controls) : font(CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma")) {
        hwnd = MakeTopWindow("BenchNativeWindow", NativeWindowProc);
        HINSTANCE instance = GetModuleHandleA(nullptr);
        for (int i = 0; i < controls; ++i) {
            const int row = i / kPerRow, col = i % kPerRow;
            const int x = 4 + col * 124, y = row * kRowHeight;
            const std::string number = std::to_string(i);
            HWND child = nullptr;
            switch (i % 3) {
                case 0:
                    child = CreateWindowExA(0, "STATIC", ("Label " + number).c_str(), WS_CHILD | WS_VISIBLE, x, y,
                                            120, kRowHeight, hwnd, nullptr, instance, nullptr);
                    break;
                case 1:
                    child = CreateWindowExA(0, "BUTTON", ("Button " + number).c_str(),
                                            WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, x, y, 120, kRowHeight, hwnd,
                                            nullptr, instance, nullptr);
                    break;
                default:
                    child = CreateWindowExA(0, "BUTTON", ("Option " + number).c_str(),
                                            WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON | (row % 10 == 0 && col < 3 ? WS_GROUP : 0),
                                            x, y, 120, kRowHeight, hwnd, nullptr, instance, nullptr);
                    break;
            }
            SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
        }
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        GdiFlush();
    }
    ~NativeWindow() { DestroyWindow(hwnd); }
};

struct Measure {
    double ms = 0;
    double mb = 0;
    double heapMb = 0;
    int windows = 0;
};

template <typename Window, typename Arg>
Measure Open(const Arg& arg) {
    Pump();
    const double serverBefore = ServerMb();
    const double heapBefore = HeapInUseMb();
    const double anonBefore = ResidentAnonMb();
    const auto start = Clock::now();
    Measure m;
    {
        Window window(arg);
        m.ms = MsSince(start);
        m.mb = ResidentAnonMb() - anonBefore + (ServerMb() - serverBefore);
        m.heapMb = HeapInUseMb() - heapBefore;
        m.windows = CountWindows(window.hwnd);
    }
    Pump();
    return m;
}

// One window made in this fresh process: "ms MB windows" on standard output.
int MeasureOnce(const std::string& kind, int controls) {
    const Measure m = kind == "native" ? Open<NativeWindow>(controls) : Open<SkinWindow>(SkinOf(controls));
    printf("%.3f %.3f %.3f %d\n", m.ms, m.mb, m.heapMb, m.windows);
    return 0;
}

using KernelHandle = SkinUI::UniqueHandle<SkinUI::KernelHandleTraits>;

// What a child process of this program prints, read through a pipe (no
// command interpreter in between).
std::string OutputOfChild(const std::string& arguments) {
    char program[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string command = "\"" + std::string(program) + "\" " + arguments;
    SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return {};
    KernelHandle reader(readEnd), writer(writeEnd);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info))
        return {};
    KernelHandle process(info.hProcess), thread(info.hThread);
    writer.reset();  // the child holds the only write end: reading ends when it does
    std::string output;
    char chunk[256];
    DWORD read = 0;
    while (ReadFile(readEnd, chunk, sizeof(chunk), &read, nullptr) && read > 0) output.append(chunk, read);
    WaitForSingleObject(process.get(), INFINITE);
    return output;
}

// Each window is measured in a process of its own, so that neither finds
// memory the other has already committed.
Measure MeasureInChild(const char* kind, int controls) {
    const std::string output = OutputOfChild(std::string("one ") + kind + " " + std::to_string(controls));
    Measure m;
    if (sscanf(output.c_str(), "%lf %lf %lf %d", &m.ms, &m.mb, &m.heapMb, &m.windows) != 4) m = Measure{};
    return m;
}

void CompareWithNative(int controls) {
    std::vector<double> skinMs, nativeMs, skinMb, nativeMb, skinHeap, nativeHeap, speed, memory;
    int skinWindows = 0, nativeWindows = 0;
    for (int round = 0; round < kRounds; ++round) {
        const Measure s = MeasureInChild("toolkit", controls);
        const Measure n = MeasureInChild("native", controls);
        if (s.ms <= 0 || n.ms <= 0) continue;
        skinMs.push_back(s.ms);
        nativeMs.push_back(n.ms);
        skinMb.push_back(s.mb);
        nativeMb.push_back(n.mb);
        skinHeap.push_back(s.heapMb);
        nativeHeap.push_back(n.heapMb);
        speed.push_back(n.ms / s.ms);
        if (s.mb > 0) memory.push_back(n.mb / s.mb);
        skinWindows = s.windows;
        nativeWindows = n.windows;
    }
    printf("%d controls: build + layout + first paint, each in a fresh process (%zu rounds)\n", controls,
           skinMs.size());
    const char* format = "  %-22s median %8.1f ms  (%.1f-%.1f)  memory %6.2f MB (Windows heaps %5.2f MB)  windows %d\n";
    printf(format, "toolkit", bench::Median(skinMs), bench::Lowest(skinMs), bench::Highest(skinMs),
           bench::Median(skinMb), bench::Median(skinHeap), skinWindows);
    printf(format, "native child windows", bench::Median(nativeMs), bench::Lowest(nativeMs), bench::Highest(nativeMs),
           bench::Median(nativeMb), bench::Median(nativeHeap), nativeWindows);
    printf("  speed-up %.1fx (per round %.1f-%.1f; target >= 10)\n", bench::Median(speed), bench::Lowest(speed),
           bench::Highest(speed));
    printf("  memory: native / toolkit %.2fx (target >= 10; the process's anonymous resident growth plus the Wine "
           "server's)\n",
           memory.empty() ? 0.0 : bench::Median(memory));
}

void Scaling() {
    printf("scaling of the toolkit window (build + layout + first paint)\n");
    double first = 0, previousMs = 0;
    int previous = 0;
    for (int controls : {200, 500, 1000, 2000, 5000, 10000, 20000}) {
        const std::string skin = SkinOf(controls);
        std::vector<double> ms;
        for (int round = 0; round < kScalingRounds; ++round) ms.push_back(Open<SkinWindow>(skin).ms);
        const double median = bench::Median(ms);
        const double perControl = median * 1000.0 / controls;
        if (first == 0) first = perControl;
        printf("  %6d controls  median %8.1f ms  %6.2f us per control  (%.2fx the 200-control cost)", controls, median,
               perControl, perControl / first);
        // A step is no worse than linear when the time grows at most as the count does.
        if (previous) printf("  step: controls x%.1f, time x%.2f", double(controls) / previous, median / previousMs);
        printf("\n");
        previous = controls;
        previousMs = median;
    }
}

// Times of each way of painting, timed in turn in every round so that the
// machine's load falls on all of them alike.
std::vector<std::vector<double>> TimeRepaints(const std::vector<std::function<void()>>& ways) {
    std::vector<std::vector<double>> ms(ways.size());
    for (int i = 0; i < kRepaints; ++i) {
        for (size_t w = 0; w < ways.size(); ++w) {
            const auto start = Clock::now();
            ways[w]();
            GdiFlush();
            ms[w].push_back(MsSince(start));
        }
    }
    return ms;
}

std::vector<double> Medians(const std::vector<std::vector<double>>& samples) {
    std::vector<double> medians;
    for (const auto& times : samples) medians.push_back(bench::Median(times));
    return medians;
}

// a / b of each round: its median and spread say how steady a ratio is.
std::vector<double> RoundRatios(const std::vector<double>& a, const std::vector<double>& b) {
    std::vector<double> ratios;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i)
        if (b[i] > 0) ratios.push_back(a[i] / b[i]);
    return ratios;
}

void Repaints() {
    SkinWindow window(SkinOf(500));
    HWND hwnd = window.hwnd;
    const RECT client = {0, 0, kWidth, kHeight};

    WindowDc screen = GetWindowDc(hwnd);
    MemoryDc memory(CreateCompatibleDC(screen.get()));
    BitmapHandle buffer(CreateCompatibleBitmap(screen.get(), kWidth, kHeight));
    SelectGuard select(memory.get(), buffer.get());
    g_bareBuffer = memory.get();
    HWND bare = MakeTopWindow("BenchBarePaint", BarePaintProc);
    Pump();

    // One button's hot state, on and off: only its rectangle is repainted.
    CControlUI* button = window.manager.FindControl("b1");
    const RECT pos = button ? button->GetPos() : RECT{};
    const LPARAM over = MAKELPARAM((pos.left + pos.right) / 2, (pos.top + pos.bottom) / 2);
    const LPARAM away = MAKELPARAM(kWidth - 2, kHeight - 2);
    bool inside = false;

    // Default paint mode: every paint draws its area again.
    const std::vector<double> plain = Medians(TimeRepaints({
        [&] { RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); },
        [&] { BitBlt(screen.get(), 0, 0, kWidth, kHeight, memory.get(), 0, 0, SRCCOPY); },
    }));

    window.manager.SetKeepBackBuffer(true);
    UpdateWindow(hwnd);
    const std::vector<std::vector<double>> samples = TimeRepaints({
        // The window asked to repaint from outside (uncovered, say): nothing
        // in it changed, so the kept back buffer is copied.
        [&] { RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); },
        // Every control drawn again, as after a change that touches them all.
        [&] {
            window.manager.InvalidateArea(client);
            UpdateWindow(hwnd);
        },
        [&] { BitBlt(screen.get(), 0, 0, kWidth, kHeight, memory.get(), 0, 0, SRCCOPY); },
        [&] { RedrawWindow(bare, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); },
        [&] {
            inside = !inside;
            SendMessageA(hwnd, WM_MOUSEMOVE, 0, inside ? over : away);
            UpdateWindow(hwnd);
        },
        // The platform's part of a partial repaint: a button-sized area of a
        // window that only copies its buffer.
        [&] { RedrawWindow(bare, &pos, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); },
        // The update-area query that starts every paint of the toolkit.
        [&] {
            RECT area;
            GetUpdateRect(hwnd, &area, FALSE);
        },
        // What the toolkit draws for it.
        [&] { window.manager.RootControl()->Paint(memory.get(), pos); },
    });
    DestroyWindow(bare);
    const std::vector<double> medians = Medians(samples);
    const std::vector<double> fullToFloor = RoundRatios(samples[0], samples[2]);
    const double full = medians[0], everything = medians[1], floor = medians[2], platform = medians[3],
                 partial = medians[4], barePartial = medians[5],
                 updateQuery = medians[6], drawing = medians[7];

    printf("repaint of a %dx%d window of 500 controls (medians of %d)\n", kWidth, kHeight, kRepaints);
    printf("  default mode: full repaint %.3f ms, floor %.3f ms, ratio %.1f\n", plain[0], plain[1], plain[0] / plain[1]);
    printf("  with the kept back buffer (SetKeepBackBuffer):\n");
    printf("  %-36s %7.3f ms\n", "full repaint (window uncovered)", full);
    printf("  %-36s %7.3f ms\n", "every control drawn again", everything);
    printf("  %-36s %7.3f ms\n", "one full-window BitBlt (floor)", floor);
    printf("  %-36s %7.3f ms\n", "bare WM_PAINT copying a buffer", platform);
    printf("  %-36s %7.3f ms\n", "one button's hot state", partial);
    printf("  %-36s %7.3f ms\n", "  bare WM_PAINT of the same area", barePartial);
    printf("  %-36s %7.3f ms\n", "  GetUpdateRect", updateQuery);
    printf("  %-36s %7.3f ms\n", "  the controls drawing the area", drawing);
    printf("  full repaint / floor: %.2f (target <= 4); per round: median %.2f, p10-p90 %.2f-%.2f\n", full / floor,
           bench::Median(fullToFloor), bench::Percentile(fullToFloor, 0.1), bench::Percentile(fullToFloor, 0.9));
    printf("  full repaint / bare WM_PAINT: %.2f\n", full / platform);
    printf("  every control / floor: %.1f\n", everything / floor);
    printf("  partial / every control drawn again: %.1f%% (target <= 5%%)\n", 100.0 * partial / everything);
    printf("  partial / full repaint: %.1f%%\n", 100.0 * partial / full);
    printf("  partial less the platform's part (bare WM_PAINT, GetUpdateRect) / every control drawn again: %.1f%%\n",
           100.0 * (partial - barePartial - updateQuery) / everything);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string only = argc > 1 ? argv[1] : "";
    if (only == "one" && argc == 4) return MeasureOnce(argv[2], atoi(argv[3]));
    if (only.empty() || only == "compare") CompareWithNative(2000);
    if (only.empty() || only == "scaling") Scaling();
    if (only.empty() || only == "repaint") Repaints();
    return 0;
}
