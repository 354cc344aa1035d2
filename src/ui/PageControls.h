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
    // A position past the end of the list (or below 0) leaves it without a selection.
    virtual void SetSelection(int id, int position) = 0;
    // Inserts text at position of a list, whatever the list's sort style.
    virtual void InsertItem(int id, int position, const char* text) = 0;
    virtual void ClearItems(int id) = 0;
    // Reads of an id the page does not have give "" and -1.
    virtual void GetText(int id, char* output, size_t capacity) const = 0;
    virtual int GetSelection(int id) const = 0;

protected:
    ~PageControls() = default;
};

// A page without any control: the description's texts without a page to show them on.
class NoControls final : public PageControls {
public:
    bool HasControl(int) const override { return false; }
    void SetText(int, const char*) override {}
    void SetEnabled(int, bool) override {}
    void SetVisible(int, bool) override {}
    void SetSelection(int, int) override {}
    void InsertItem(int, int, const char*) override {}
    void ClearItems(int) override {}
    void GetText(int, char* output, size_t capacity) const override {
        if (capacity > 0) output[0] = '\0';
    }
    int GetSelection(int) const override { return -1; }
};
