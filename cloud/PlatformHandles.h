// Owners of the WinINet and library handles the transport opens, closed
// through its platform table.
#pragma once

#include "cloud/HttpPlatform.h"
#include "skinui/core/UniqueHandle.h"

struct InternetHandleTraits {
    using type = HINTERNET;
    static constexpr SkinUI::HandleKind kind = SkinUI::HandleKind::Internet;
    static type Invalid() { return nullptr; }
    void Close(type h) const { platform->InternetCloseHandle(h); }

    const HttpPlatform* platform = &HttpPlatform::System();
};

struct LibraryTraits {
    using type = HMODULE;
    static constexpr SkinUI::HandleKind kind = SkinUI::HandleKind::Module;
    static type Invalid() { return nullptr; }
    void Close(type h) const { platform->FreeLibrary(h); }

    const HttpPlatform* platform = &HttpPlatform::System();
};

using InternetHandle = SkinUI::UniqueHandle<InternetHandleTraits>;
using LibraryHandle = SkinUI::UniqueHandle<LibraryTraits>;
