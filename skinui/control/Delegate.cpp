// CDelegateList: owns copies, stops at the first handler that says no.
#include "skinui/control/Delegate.h"

namespace SkinUI {

CDelegateList::~CDelegateList() {
    for (int i = 0; i < m_aDelegates.Count(); ++i) delete static_cast<CDelegateBase*>(m_aDelegates[i]);
}

void CDelegateList::Add(const CDelegateBase& delegate) {
    for (int i = 0; i < m_aDelegates.Count(); ++i) {
        if (static_cast<CDelegateBase*>(m_aDelegates[i])->Equals(delegate)) return;
    }
    m_aDelegates.Add(delegate.Copy());
}

void CDelegateList::Remove(const CDelegateBase& delegate) {
    for (int i = 0; i < m_aDelegates.Count(); ++i) {
        auto* entry = static_cast<CDelegateBase*>(m_aDelegates[i]);
        if (entry->Equals(delegate)) {
            delete entry;
            m_aDelegates.RemoveAt(i);
            return;
        }
    }
}

bool CDelegateList::Invoke(void* param) {
    for (int i = 0; i < m_aDelegates.Count(); ++i) {
        if (!static_cast<CDelegateBase*>(m_aDelegates[i])->Invoke(param)) return false;
    }
    return true;
}

}  // namespace SkinUI
