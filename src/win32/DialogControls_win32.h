// PageControls backed by a dialog window's child controls.
#pragma once
#include <windows.h>

#include "ui/PageControls.h"

class DialogControls : public PageControls {
public:
    explicit DialogControls(HWND dialog) : dialog_(dialog) {}
    bool HasControl(int id) const override;
    void SetText(int id, const char* text) override;
    void SetEnabled(int id, bool enabled) override;
    void SetVisible(int id, bool visible) override;
    void SetSelection(int id, int position) override;
    void InsertItem(int id, int position, const char* text) override;
    void ClearItems(int id) override;
    void GetText(int id, char* output, size_t capacity) const override;
    int GetSelection(int id) const override;

private:
    HWND dialog_;
};
