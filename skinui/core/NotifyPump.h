// Notification dispatch through message maps: each window class lists the
// notification types (and optionally control names) it handles, and falls
// back to its base class's map.
#pragma once

#include <windows.h>

#include "skinui/core/SkinDefs.h"
#include "skinui/core/SkinString.h"
#include "skinui/core/UIDefs.h"

namespace SkinUI {

class CNotifyPump;

enum MsgMapSignature : UINT {
    SkinSig_end = 0,
    SkinSig_lwl = 1,  // handler(WPARAM, LPARAM)
    SkinSig_vn = 2,   // handler(TNotifyUI&)
};

using SKIN_PMSG = void (CNotifyPump::*)(TNotifyUI&);
using SKIN_PMSG_LWL = void (CNotifyPump::*)(WPARAM, LPARAM);

// The handler of a signature-1 entry travels in the entry's one handler field.
template <typename To, typename From>
To HandlerAs(From handler) {
    static_assert(sizeof(To) == sizeof(From), "member pointers of one class have one size");
    To to;
    __builtin_memcpy(&to, &handler, sizeof(to));
    return to;
}

struct TMsgMapEntry {
    const char* sMsgType;
    const char* sCtrlName;  // "" for any control
    UINT nSig;
    SKIN_PMSG pfn;
};

struct SKIN_MSGMAP {
    const SKIN_MSGMAP* (*pfnGetBaseMap)();
    const TMsgMapEntry* lpEntries;
};

// An entry for a handler of a derived class: the member pointer is taken as
// the pump's own kind (the object is adjusted when it is called).
template <typename Window>
TMsgMapEntry MapEntry(const char* type, const char* control, void (Window::*handler)(TNotifyUI&)) {
    return TMsgMapEntry{type, control, SkinSig_vn, static_cast<SKIN_PMSG>(handler)};
}
template <typename Window>
TMsgMapEntry MapEntry(const char* type, const char* control, void (Window::*handler)(WPARAM, LPARAM)) {
    return TMsgMapEntry{type, control, SkinSig_lwl, HandlerAs<SKIN_PMSG>(static_cast<SKIN_PMSG_LWL>(handler))};
}
inline TMsgMapEntry MapEnd() {
    return TMsgMapEntry{"", "", SkinSig_end, nullptr};
}

class SKINUI_API CNotifyPump {
public:
    virtual ~CNotifyPump() = default;
    virtual const SKIN_MSGMAP* GetMessageMap() const;
    static const SKIN_MSGMAP* GetThisMessageMap();

    // Calls the handler the maps name for `msg`; false when none does.
    bool LoopDispatch(TNotifyUI& msg);
};

}  // namespace SkinUI
