// Message-map dispatch: an exact control-name match wins, else the last
// entry for the type with no control name; unmatched maps defer to the base.
#include "skinui/core/NotifyPump.h"

#include <cstring>

#include "skinui/control/Control.h"

namespace SkinUI {

const SKIN_MSGMAP* CNotifyPump::GetThisMessageMap() {
    static const TMsgMapEntry entries[] = {MapEnd()};
    static const SKIN_MSGMAP map = {nullptr, entries};
    return &map;
}

const SKIN_MSGMAP* CNotifyPump::GetMessageMap() const {
    return GetThisMessageMap();
}

bool CNotifyPump::LoopDispatch(TNotifyUI& msg) {
    const CSkinString sender = msg.pSender ? msg.pSender->GetName() : CSkinString();
    for (const SKIN_MSGMAP* map = GetMessageMap(); map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        const TMsgMapEntry* found = nullptr;
        for (const TMsgMapEntry* entry = map->lpEntries; entry && entry->nSig != SkinSig_end; ++entry) {
            if (msg.sType != entry->sMsgType) continue;
            if (*entry->sCtrlName && sender == entry->sCtrlName) {
                found = entry;
                break;
            }
            if (!*entry->sCtrlName) found = entry;
        }
        if (!found) continue;
        switch (found->nSig) {
            case SkinSig_lwl:
                (this->*HandlerAs<SKIN_PMSG_LWL>(found->pfn))(msg.wParam, msg.lParam);
                return true;
            case SkinSig_vn:
                (this->*found->pfn)(msg);
                return true;
            default:
                return false;
        }
    }
    return false;
}

}  // namespace SkinUI
