// The page a core routine writes to, addressed by control id.
#pragma once
#include <cstddef>

// Never deleted through this interface: the destructor is protected and not virtual, so
// no deleting destructor (and no operator delete) is asked of the executable's runtime.
class PageControls {
public:
    virtual bool HasControl(int id) const = 0;
    // Writes to an id the page does not have are skipped.
    virtual void SetText(int id, const char* text) = 0;
    virtual void SetEnabled(int id, bool enabled) = 0;
    virtual void SetVisible(int id, bool visible) = 0;
    virtual void SetSelection(int id, int position) = 0;
    // Reads of an id the page does not have give "" and -1.
    virtual void GetText(int id, char* output, size_t capacity) const = 0;
    virtual int GetSelection(int id) const = 0;

protected:
    ~PageControls() = default;
};
