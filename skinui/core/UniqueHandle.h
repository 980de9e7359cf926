// One move-only owner for every native handle kind, plus live counts per kind
// (Wine's GetGuiResources reads 0, so leak checks count here instead).
#pragma once

#include <windows.h>

#include <cstdio>
#include <atomic>
#include <utility>

namespace SkinUI {

enum class HandleKind { Kernel, Module, RegistryKey, Internet, CrtFile, GdiObject, Dc, WindowDc, Count };

namespace detail {
inline std::atomic<long> g_liveHandles[static_cast<int>(HandleKind::Count)];
}

// Handles of this kind currently owned in this module.
inline long LiveHandleCount(HandleKind kind) {
    return detail::g_liveHandles[static_cast<int>(kind)].load();
}

// Traits: `type`, `kind`, static `Invalid()`, and `Close(type) const`; a
// traits object may carry state (such as the table of functions to close with).
template <typename Traits>
class UniqueHandle : private Traits {
public:
    using type = typename Traits::type;

    UniqueHandle() = default;
    explicit UniqueHandle(type h, Traits traits = {}) : Traits(std::move(traits)) { Adopt(h); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : Traits(other.traits()), m_h(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            reset();
            static_cast<Traits&>(*this) = other.traits();
            Adopt(other.release());
        }
        return *this;
    }
    ~UniqueHandle() { reset(); }

    type get() const { return m_h; }
    explicit operator bool() const { return m_h != Traits::Invalid(); }

    // Closes what is held (keeping the caller's last error) and takes `h`.
    void reset(type h = Traits::Invalid()) {
        if (m_h != Traits::Invalid()) {
            const DWORD lastError = ::GetLastError();
            traits().Close(m_h);
            --Count();
            ::SetLastError(lastError);
        }
        m_h = Traits::Invalid();
        Adopt(h);
    }

    // Gives up ownership without closing.
    type release() {
        type h = m_h;
        if (h != Traits::Invalid()) --Count();
        m_h = Traits::Invalid();
        return h;
    }

private:
    const Traits& traits() const { return *this; }
    static std::atomic<long>& Count() {
        return detail::g_liveHandles[static_cast<int>(Traits::kind)];
    }
    void Adopt(type h) {
        m_h = h;
        if (h != Traits::Invalid()) ++Count();
    }

    type m_h = Traits::Invalid();
};

struct KernelHandleTraits {
    using type = HANDLE;
    static constexpr HandleKind kind = HandleKind::Kernel;
    static type Invalid() { return nullptr; }
    void Close(type h) const { ::CloseHandle(h); }
};

struct FileHandleTraits {
    using type = HANDLE;
    static constexpr HandleKind kind = HandleKind::Kernel;
    static type Invalid() { return INVALID_HANDLE_VALUE; }
    void Close(type h) const { ::CloseHandle(h); }
};

struct ModuleTraits {
    using type = HMODULE;
    static constexpr HandleKind kind = HandleKind::Module;
    static type Invalid() { return nullptr; }
    void Close(type h) const { ::FreeLibrary(h); }
};

struct RegistryKeyTraits {
    using type = HKEY;
    static constexpr HandleKind kind = HandleKind::RegistryKey;
    static type Invalid() { return nullptr; }
    void Close(type h) const { ::RegCloseKey(h); }
};

struct CrtFileTraits {
    using type = FILE*;
    static constexpr HandleKind kind = HandleKind::CrtFile;
    static type Invalid() { return nullptr; }
    void Close(type f) const { fclose(f); }
};

using ThreadHandle = UniqueHandle<KernelHandleTraits>;
using EventHandle = UniqueHandle<KernelHandleTraits>;
using FileHandle = UniqueHandle<FileHandleTraits>;
using ModuleHandle = UniqueHandle<ModuleTraits>;
using RegistryKey = UniqueHandle<RegistryKeyTraits>;
using CrtFile = UniqueHandle<CrtFileTraits>;

}  // namespace SkinUI
