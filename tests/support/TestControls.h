// Small controls for toolkit tests: one that records the events it gets, and
// a container that places its children at fixed rectangles (the real layouts
// are tested on their own).
#pragma once

#include <string>
#include <vector>

#include "skinui/control/Control.h"
#include "skinui/core/PaintManager.h"

namespace testsupport {

class RecordingControl : public SkinUI::CControlUI {
public:
    explicit RecordingControl(const char* name = "", UINT inputFlags = 0, RECT pos = {0, 0, 0, 0})
        : m_inputFlags(inputFlags), m_fixedPos(pos) {
        SetName(name);
    }
    const char* GetTypeName() const override { return m_typeName.c_str(); }
    UINT GetInputFlags() const override { return m_inputFlags; }
    void HandleEvent(SkinUI::TControlEvent& event) override {
        events.push_back(event);
        SkinUI::CControlUI::HandleEvent(event);
    }
    std::vector<int> Kinds() const {
        std::vector<int> kinds;
        for (const auto& e : events) kinds.push_back(e.Type);
        return kinds;
    }
    const RECT& FixedPos() const { return m_fixedPos; }

    std::vector<SkinUI::TControlEvent> events;
    std::string m_typeName = "RecordingUI";

private:
    UINT m_inputFlags;
    RECT m_fixedPos;
};

// Owns its children; places each at its fixed rectangle (offset by its own).
class FixedContainer : public RecordingControl {
public:
    FixedContainer() : RecordingControl("root") {}
    ~FixedContainer() override {
        for (CControlUI* child : children) delete child;
    }
    template <typename T>
    T* Add(T* child) {
        children.push_back(child);
        if (m_pManager) m_pManager->InitControlTree(child, this);
        return child;
    }
    void SetManager(SkinUI::CPaintManagerUI* manager, SkinUI::CControlUI* parent, bool init) override {
        for (CControlUI* child : children) child->SetManager(manager, this, init);
        SkinUI::CControlUI::SetManager(manager, parent, init);
    }
    void SetPos(RECT rc) override {
        SkinUI::CControlUI::SetPos(rc);
        for (CControlUI* child : children) {
            auto* recording = static_cast<RecordingControl*>(child);
            RECT pos = recording->FixedPos();
            OffsetRect(&pos, rc.left, rc.top);
            child->SetPos(pos);
        }
    }
    void Paint(HDC dc, const RECT& dirty) override {
        SkinUI::CControlUI::Paint(dc, dirty);
        for (CControlUI* child : children) child->Paint(dc, dirty);
    }
    SkinUI::CControlUI* FindControl(SkinUI::FINDCONTROLPROC proc, LPVOID data, UINT flags) override {
        if ((flags & SkinUI::FIND_VISIBLE_ONLY) && !IsVisible()) return nullptr;
        if ((flags & SkinUI::FIND_ENABLED_ONLY) && !IsEnabled()) return nullptr;
        if ((flags & SkinUI::FIND_AT_POINT) && !PtInRect(&m_rcItem, *static_cast<POINT*>(data))) return nullptr;
        if (flags & SkinUI::FIND_SELF_FIRST) {
            if (SkinUI::CControlUI* self = SkinUI::CControlUI::FindControl(proc, data, flags)) return self;
        }
        const bool backwards = (flags & SkinUI::FIND_LAST_CHILD_FIRST) != 0;
        for (size_t i = 0; i < children.size(); ++i) {
            CControlUI* child = children[backwards ? children.size() - 1 - i : i];
            if (SkinUI::CControlUI* found = child->FindControl(proc, data, flags)) return found;
        }
        if (flags & SkinUI::FIND_SELF_FIRST) return nullptr;
        return SkinUI::CControlUI::FindControl(proc, data, flags);
    }

    std::vector<SkinUI::CControlUI*> children;
};

}  // namespace testsupport
